#include "host/ewidget.h"

#include <gtest/gtest.h>

#include "host/standin/testing.h"

namespace {

const eCursorActions& cursor() { return *i_cursorActions; }
const eShortcutActions& shortcut() { return *i_shortcutActions; }

template <class W>
W* place(W* widget, int x, int y, int w = 100, int h = 30) {
  widget->move(ePoint(x, y));
  widget->resize(eSize(w, h));
  return widget;
}

// A dialog laid out like the names dialog: a label column, a column of
// two text fields, a check box beside the second, buttons at the bottom.
struct Dialog {
  eWindow window{1};
  eLabel* label = place(new eLabel(&window), 10, 10);
  eTextInputField* first = place(new eTextInputField(&window), 200, 10);
  eTextInputField* second = place(new eTextInputField(&window), 200, 50);
  eCheckbox* box = place(new eCheckbox(&window), 320, 50, 30, 30);
  eButton* cancel = place(new eButton(&window), 10, 100);
  eButton* save = place(new eButton(&window), 200, 100);
  Dialog() {
    window.setText("Dialog");
    cancel->setShortcut("red");
    save->setShortcut("green");
  }
};

TEST(WidgetTest, FocusStartsOnFirstFocusableChildUnlessSet) {
  Dialog d;
  EXPECT_EQ(d.window.getFocus(), d.first);
  d.first->hide();
  EXPECT_EQ(d.window.getFocus(), d.second);
  d.window.setFocus(d.save);
  EXPECT_EQ(d.window.getFocus(), d.save);
  EXPECT_EQ(d.box->getFocus(), d.save);  // any widget answers for its window
}

TEST(WidgetTest, CursorMovesFocusToNearestWidgetInThatDirection) {
  Dialog d;
  struct Step {
    const eAction* action;
    eWidget* focus;  // afterwards
    int consumed;
  };
  const Step kSteps[] = {
      {&cursor().down, d.second, 1},
      {&cursor().right, d.box, 1},
      {&cursor().down, d.save, 1},    // below and nearest across
      {&cursor().left, d.cancel, 1},
      {&cursor().up, d.second, 1},    // nearer than "first" straight above
      {&cursor().up, d.first, 1},     // the label is not focusable
      {&cursor().up, d.first, 0},     // nothing above: not consumed
  };
  for (size_t i = 0; i < std::size(kSteps); ++i) {
    EXPECT_EQ(d.window.handleAction(*kSteps[i].action), kSteps[i].consumed)
        << "step " << i;
    EXPECT_EQ(d.window.getFocus(), kSteps[i].focus) << "step " << i;
  }
}

TEST(WidgetTest, HiddenWidgetsAreSkipped) {
  Dialog d;
  d.window.setFocus(d.second);
  d.save->hide();
  d.window.handleAction(cursor().down);
  EXPECT_EQ(d.window.getFocus(), d.cancel);
  EXPECT_EQ(d.window.handleAction(shortcut().green), 0);  // hidden: no press
}

TEST(WidgetTest, OkTogglesCheckBoxAndPressesButton) {
  Dialog d;
  std::vector<int> checks;
  d.box->checked.connect([&](int c) { checks.push_back(c); });
  int presses = 0;
  d.save->selected.connect([&] { ++presses; });

  d.window.setFocus(d.box);
  EXPECT_EQ(d.window.handleAction(cursor().ok), 1);
  EXPECT_EQ(d.window.handleAction(cursor().ok), 1);
  EXPECT_EQ(checks, (std::vector<int>{1, 0}));
  EXPECT_EQ(d.box->isChecked(), 0);

  d.window.setFocus(d.save);
  EXPECT_EQ(d.window.handleAction(cursor().ok), 1);
  EXPECT_EQ(presses, 1);

  d.window.setFocus(d.first);
  EXPECT_EQ(d.window.handleAction(cursor().ok), 0);  // a text field: unused
}

TEST(WidgetTest, ColouredKeysPressTheButtonWithThatShortcut) {
  Dialog d;
  int saves = 0, cancels = 0;
  d.save->selected.connect([&] { ++saves; });
  d.cancel->selected.connect([&] { ++cancels; });
  EXPECT_EQ(d.window.handleAction(shortcut().green), 1);
  EXPECT_EQ(d.window.handleAction(shortcut().red), 1);
  EXPECT_EQ(d.window.handleAction(shortcut().yellow), 0);
  EXPECT_EQ(saves, 1);
  EXPECT_EQ(cancels, 1);
  EXPECT_EQ(d.window.getFocus(), d.first);  // pressing does not move focus
}

// A window that handles blue itself and counts every action it sees.
class CountingWindow : public eWindow {
 public:
  explicit CountingWindow(bool shortcuts) : eWindow(0) {
    if (shortcuts) addActionMap(&i_shortcutActions->map);
  }
  int seen = 0;
  int blue = 0;

 protected:
  int eventHandler(const eWidgetEvent& event) override {
    ++seen;
    if (event.action == &i_shortcutActions->blue) {
      ++blue;
      return 1;
    }
    return eWindow::eventHandler(event);
  }
};

TEST(WidgetTest, ShortcutsReachEventHandlerOnlyWithTheirMap) {
  for (bool with_map : {false, true}) {
    CountingWindow w(with_map);
    auto* green = new eButton(&w);
    green->setShortcut("green");
    int presses = 0;
    green->selected.connect([&] { ++presses; });

    w.handleAction(shortcut().blue);
    w.handleAction(shortcut().green);
    w.handleAction(cursor().down);
    EXPECT_EQ(w.seen, with_map ? 3 : 1) << with_map;  // cursor set: always
    EXPECT_EQ(w.blue, with_map ? 1 : 0) << with_map;
    EXPECT_EQ(presses, 1) << with_map;  // default handling either way
  }
}

TEST(WidgetTest, ExitRejectsAndExecReturnsCloseValue) {
  {
    standin::HeadlessSession s({"down", "exit", "ok"});
    Dialog d;
    EXPECT_EQ(d.window.exec(), -1);
    EXPECT_EQ(s.keysLeft(), 1u);
    EXPECT_EQ(d.window.getFocus(), d.second);
  }
  {
    standin::HeadlessSession s({"green"});
    Dialog d;
    d.save->selected.connect([&] { d.window.close(7); });
    EXPECT_EQ(d.window.exec(), 7);
  }
}

TEST(WidgetTest, DigitsAndTextGoToTheFocusedTextField) {
  standin::HeadlessSession s({"text:/hdd/m\xf6vie", "1", "2", "down", "3",
                              "right", "4", "text:x", "green"});
  Dialog d;
  d.save->selected.connect([&] { d.window.close(0); });
  d.second->setText("keep");
  d.window.exec();
  EXPECT_EQ(d.first->getText(), "/hdd/m\xf6vie12");
  EXPECT_EQ(d.second->getText(), "keep3");  // 4 and text went to the box
  EXPECT_EQ(d.box->isChecked(), 0);
}

class ListDialog : public eWindow {
 public:
  ListDialog() : eWindow(1) {
    list = place(new eListBox<eListBoxEntryText>(this), 10, 10, 280, 200);
    fill({"..", "a", "b"});
    list->selected.connect([this](eListBoxEntryText* e) {
      chosen.push_back(e ? e->getText() : "(none)");
      // Enter the chosen entry, as a directory browser does.
      if (e && e->getText() != "..") fill({"..", "x"});
    });
    list->selchanged.connect([this](eListBoxEntryText* e) {
      moved.push_back(e ? e->getText() : "(none)");
    });
  }
  void fill(std::initializer_list<const char*> texts) {
    list->clearList();
    list->beginAtomic();
    for (const char* t : texts) new eListBoxEntryText(list, t);
    list->endAtomic();
  }
  eListBox<eListBoxEntryText>* list;
  std::vector<std::string> chosen, moved;
};

TEST(WidgetTest, ListMovesHighlightAndChoosesEntry) {
  ListDialog d;
  EXPECT_EQ(d.handleAction(cursor().up), 1);  // at the top: stays, silent
  d.handleAction(cursor().down);
  d.handleAction(cursor().down);
  d.handleAction(cursor().down);  // at the bottom: stays, silent
  EXPECT_EQ(d.moved, (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(d.list->getCurrentIndex(), 2);

  d.handleAction(cursor().ok);  // refills the list inside the signal
  EXPECT_EQ(d.chosen, (std::vector<std::string>{"b"}));
  EXPECT_EQ(d.list->getCount(), 2);
  EXPECT_EQ(d.list->getCurrentIndex(), 0);  // refilled: entry 0, unreported
  EXPECT_EQ(d.moved.size(), 2u);
  EXPECT_EQ(d.list->getCurrent()->getText(), "..");

  d.list->clearList();
  d.handleAction(cursor().ok);
  EXPECT_EQ(d.chosen.back(), "(none)");
  EXPECT_EQ(d.list->getCurrent(), nullptr);
}

TEST(WidgetTest, ComboBoxStepsThroughEntries) {
  eWindow w(0);
  auto* combo = new eComboBox(&w, 2);
  new eListBoxEntryText(*combo, "sort by Name", reinterpret_cast<void*>(0));
  new eListBoxEntryText(*combo, "sort by Date", reinterpret_cast<void*>(1));
  EXPECT_EQ(combo->getCurrent()->getText(), "sort by Name");
  EXPECT_EQ(combo->setCurrent(2), -1);
  EXPECT_EQ(w.handleAction(cursor().down), 1);
  EXPECT_EQ(combo->getCurrent()->getText(), "sort by Date");
  EXPECT_EQ(w.handleAction(cursor().down), 1);  // last: stays
  EXPECT_EQ(combo->getCurrent()->getKey(), reinterpret_cast<void*>(1));
  EXPECT_EQ(w.handleAction(cursor().up), 1);
  EXPECT_EQ(combo->getCurrent()->getText(), "sort by Name");
  EXPECT_EQ(w.getFocus(), combo);
}

TEST(WidgetTest, ParentDeletesChildrenAndForgetsDeletedFocus) {
  eWindow w(1);
  auto* a = new eButton(&w);
  auto* b = new eButton(&w);
  new eListBoxEntryText(new eListBox<eListBoxEntryText>(b), "owned");
  w.setFocus(b);
  delete b;  // with its own child list; the sanitizer build checks leaks
  EXPECT_EQ(w.getChildren().size(), 1u);
  EXPECT_EQ(w.getFocus(), a);
}

TEST(WidgetTest, WindowAnnouncesItselfOnEveryShow) {
  standin::HeadlessSession s;
  {
    eWindow w(0);
    w.setText("Tessaroll Builder");
    w.show();
    EXPECT_EQ(standin::visibleWindows(), std::vector<eWidget*>{&w});
    w.hide();
    w.show();
    EXPECT_TRUE(w.isVisible());
  }
  EXPECT_TRUE(standin::visibleWindows().empty());  // destroyed while shown
  EXPECT_EQ(s.transcript(),
            "{\"event\":\"window\",\"title\":\"Tessaroll Builder\"}\n"
            "{\"event\":\"window\",\"title\":\"Tessaroll Builder\"}\n");
}

TEST(WidgetTest, PropertiesAndDecorations) {
  eWindow w(0);
  auto* label = new eLabel(&w);
  EXPECT_EQ(label->setProperty("align", "right"), 0);
  EXPECT_EQ(label->getProperty("align"), "right");
  EXPECT_EQ(label->setProperty("colour", "red"), -1);
  EXPECT_EQ(label->getProperty("colour"), "");
  EXPECT_STREQ(label->getDeco(), "eLabel");
  EXPECT_FALSE(label->isDecoLoaded());
  EXPECT_EQ(label->loadDeco(), 0);
  EXPECT_TRUE(label->isDecoLoaded());
}

}  // namespace
