// The host's widget toolkit as plugins use it. Widgets are created on the
// heap with their window as parent; the parent owns them and deletes them
// with itself. Events reach the plugin through libsigc++ signals and through
// a window's eventHandler. Everything runs on the host's GUI thread.
//
// The private members are the stand-in host's own state; plugin code uses
// only the public and protected interface.
#ifndef TESSAROLL_HOST_EWIDGET_H_
#define TESSAROLL_HOST_EWIDGET_H_

#include <sigc++/sigc++.h>

#include <map>
#include <memory>
#include <vector>

#include "host/actions.h"
#include "host/estring.h"

struct ePoint {
  ePoint() = default;
  ePoint(int x_, int y_) : x(x_), y(y_) {}
  int x = 0, y = 0;
};

struct eSize {
  eSize() = default;
  eSize(int w_, int h_) : w(w_), h(h_) {}
  int width() const { return w; }
  int height() const { return h; }
  int w = 0, h = 0;
};

class eLabel;

class eWidget : public sigc::trackable {
 public:
  /// `takefocus` non-zero lets the widget hold the input focus.
  explicit eWidget(eWidget* parent = nullptr, int takefocus = 0,
                   const char* deco = nullptr);
  virtual ~eWidget();
  eWidget(const eWidget&) = delete;
  eWidget& operator=(const eWidget&) = delete;

  /// Position relative to the parent's client area, in pixels.
  void move(const ePoint& pos);
  void resize(const eSize& size);
  ePoint getPosition() const { return pos_; }
  eSize getSize() const { return size_; }

  void setText(const eString& text);
  const eString& getText() const { return text_; }

  void show();
  void hide();
  bool isVisible() const { return visible_; }

  /// Applies the decoration named at construction. Returns 0.
  int loadDeco();
  /// Returns 0 when the property is known, -1 otherwise.
  int setProperty(const eString& prop, const eString& value);
  eString getProperty(const eString& prop) const;

  /// Gives `child`, a widget inside this widget's window, the input focus.
  void setFocus(eWidget* child);
  eWidget* getFocus() const;

  /// Runs a modal loop on this window until close() is called, and returns
  /// the value given to close().
  int exec();
  void close(int result);
  /// Closes as cancelled: exec returns -1.
  void reject();

  /// Lets this window's eventHandler see the actions of `map`.
  void addActionMap(eActionMap* map);

  eWidget* getParent() const { return parent_; }
  const std::vector<eWidget*>& getChildren() const { return children_; }
  bool takesFocus() const { return takefocus_ != 0; }
  bool hasActionMap(const eActionMap* map) const;
  const char* getDeco() const { return deco_; }
  bool isDecoLoaded() const { return deco_loaded_; }
  bool isInLoop() const { return in_loop_; }

  /// The host's handling of an action that no window consumed. Returns 1
  /// when the widget used it.
  virtual int defaultAction(const eAction& action);
  /// Delivers an event; returns 1 when it was consumed.
  int event(const eWidgetEvent& ev) { return eventHandler(ev); }
  /// Delivers an action raised by a key to this window as the host routes
  /// it: shortcut actions reach eventHandler only when the window added
  /// their map, otherwise they go straight to the default handling.
  /// Returns 1 when the action was consumed.
  int handleAction(const eAction& action);

 protected:
  virtual int eventHandler(const eWidgetEvent& event);
  /// Called by show(): windows announce themselves to the host here.
  virtual void onShow() {}
  /// Called by exec() before it waits for keys; a window that needs no key
  /// closes itself here.
  virtual void onExec() {}
  /// Called when exec() is about to return `result`.
  virtual void onExecEnd(int result) { (void)result; }

 private:
  eWidget* parent_;
  std::vector<eWidget*> children_;
  int takefocus_;
  const char* deco_;
  bool deco_loaded_ = false;
  ePoint pos_;
  eSize size_;
  eString text_;
  bool visible_;
  std::map<eString, eString> properties_;
  eWidget* focus_ = nullptr;
  std::vector<const eActionMap*> action_maps_;
  bool in_loop_ = false;
  bool closed_ = false;
  int result_ = 0;
};

class eWindow : public eWidget {
 public:
  /// `takefocus` is 0 for a main window, 1 for a dialog.
  explicit eWindow(int takefocus = 0);

  /// The client area, in screen pixels. move/resize on a window are the
  /// same as cmove/cresize.
  void cmove(const ePoint& pos) { move(pos); }
  void cresize(const eSize& size) { resize(size); }
  eSize getClientSize() const { return getSize(); }

 protected:
  /// The host's default handling: focus moves, check boxes, buttons,
  /// lists and combo boxes, shortcuts and exit.
  int eventHandler(const eWidgetEvent& event) override;
  void onShow() override;
};

class eLabel : public eWidget {
 public:
  eLabel(eWidget* parent, int flags = 0, int takefocus = 0,
         const char* deco = "eLabel");
};

class eCheckbox : public eWidget {
 public:
  eCheckbox(eWidget* parent, int checked = 0, int takefocus = 1,
            bool swapTxtPixmap = false, const char* deco = "eCheckBox");
  void setCheck(int checked);
  int isChecked() const { return checked_; }
  int defaultAction(const eAction& action) override;

  sigc::signal<void(int)> checked;

 private:
  int checked_;
};

class eTextInputFieldHelpWidget;

class eTextInputField : public eWidget {
 public:
  eTextInputField(eWidget* parent, eLabel* descr = nullptr,
                  eTextInputFieldHelpWidget* help = nullptr,
                  const char* deco = "eNumber");
};

class eButton : public eWidget {
 public:
  eButton(eWidget* parent, eLabel* descr = nullptr, int takefocus = 1,
          const char* deco = "eButton");
  /// The coloured key ("red", "green", ...) that presses this button.
  void setShortcut(const eString& key) { shortcut_ = key; }
  void setShortcutPixmap(const eString& key) { shortcut_pixmap_ = key; }
  const eString& getShortcut() const { return shortcut_; }
  const eString& getShortcutPixmap() const { return shortcut_pixmap_; }
  int defaultAction(const eAction& action) override;

  sigc::signal<void()> selected;

 private:
  eString shortcut_;
  eString shortcut_pixmap_;
};

class eListBoxBase;
template <class T>
class eListBox;

class eListBoxEntry {
 public:
  virtual ~eListBoxEntry() = default;
  eListBoxEntry(const eListBoxEntry&) = delete;
  eListBoxEntry& operator=(const eListBoxEntry&) = delete;
  virtual const eString& getText() const = 0;

 protected:
  eListBoxEntry() = default;
};

class eListBoxEntryText : public eListBoxEntry {
 public:
  /// Appends the new entry to `lb`, which owns it from then on.
  eListBoxEntryText(eListBox<eListBoxEntryText>* lb, const char* txt = nullptr,
                    void* key = nullptr, int align = 0,
                    const eString& hlptxt = "", int keytype = 0);
  const eString& getText() const override { return text_; }
  void* getKey() const { return key_; }
  static int getEntryHeight();

 private:
  eString text_;
  void* key_;
};

/// A list of entries with one highlighted entry. Refilling the list moves
/// the highlight to the first entry without reporting it.
class eListBoxBase : public eWidget {
 public:
  eListBoxBase(eWidget* parent, int takefocus, const char* deco);
  ~eListBoxBase() override;

  void clearList();
  void beginAtomic() { ++atomic_; }
  void endAtomic() { --atomic_; }
  int getCount() const { return static_cast<int>(entries_.size()); }
  const std::vector<eListBoxEntry*>& getEntries() const { return entries_; }
  /// Index of the highlighted entry, -1 when the list is empty.
  int getCurrentIndex() const { return entries_.empty() ? -1 : current_; }
  eListBoxEntry* currentEntry() const;
  /// Highlights entry `index`; reports it when `report` is set.
  void setCurrentIndex(int index, bool report);
  void append(eListBoxEntry* entry);
  int defaultAction(const eAction& action) override;

 protected:
  /// Raise the typed signals: chosen with ok, and highlight moved.
  virtual void SendSelected(eListBoxEntry* entry) = 0;
  virtual void SendSelChanged(eListBoxEntry* entry) = 0;

 private:
  std::vector<eListBoxEntry*> entries_;
  int current_ = 0;
  int atomic_ = 0;
};

template <class T>
class eListBox : public eListBoxBase {
 public:
  eListBox(eWidget* parent, const eWidget* descr = nullptr, int takefocus = 1,
           int item_height = 0, const char* deco = "eListBox")
      : eListBoxBase(parent, takefocus, deco) {
    (void)descr;
    (void)item_height;
  }
  T* getCurrent() const { return static_cast<T*>(currentEntry()); }

  sigc::signal<void(T*)> selected;
  sigc::signal<void(T*)> selchanged;

 protected:
  void SendSelected(eListBoxEntry* e) override {
    selected.emit(static_cast<T*>(e));
  }
  void SendSelChanged(eListBoxEntry* e) override {
    selchanged.emit(static_cast<T*>(e));
  }
};

/// A one-line choice among its entries; up and down change the entry.
class eComboBox : public eWidget {
 public:
  eComboBox(eWidget* parent, int OpenEntries = 5, eLabel* desc = nullptr,
            int takefocus = 1, const char* deco = "eComboBox");
  ~eComboBox() override;

  /// Entries are created on the combo box's list.
  operator eListBox<eListBoxEntryText>*() { return list_.get(); }
  eListBoxEntryText* getCurrent() const { return list_->getCurrent(); }
  /// Makes entry `index` current; returns -1 when there is no such entry.
  int setCurrent(int index, bool sendSelChanged = false);
  int defaultAction(const eAction& action) override;

 private:
  std::unique_ptr<eListBox<eListBoxEntryText>> list_;
};

#endif  // TESSAROLL_HOST_EWIDGET_H_
