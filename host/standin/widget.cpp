// The stand-in's widget toolkit: the widget tree, focus, modal loops and
// the host's default handling of the actions that no window consumes.
#include <climits>
#include <cstdlib>

#include "host/ewidget.h"
#include "host/standin/session.h"

namespace {

eWidget* rootOf(const eWidget* widget) {
  eWidget* w = const_cast<eWidget*>(widget);
  while (w->getParent()) w = w->getParent();
  return w;
}

/// Calls `visit` on the visible descendants of `widget` in creation order,
/// depth first, until it returns true; returns that widget.
template <class Visit>
eWidget* findVisible(const eWidget& widget, const Visit& visit) {
  for (eWidget* child : widget.getChildren()) {
    if (!child->isVisible()) continue;
    if (visit(child)) return child;
    if (eWidget* found = findVisible(*child, visit)) return found;
  }
  return nullptr;
}

ePoint centreInWindow(const eWidget& widget) {
  ePoint p(widget.getSize().width() / 2, widget.getSize().height() / 2);
  for (const eWidget* w = &widget; w->getParent(); w = w->getParent()) {
    p.x += w->getPosition().x;
    p.y += w->getPosition().y;
  }
  return p;
}

bool isMove(const eAction& a) {
  return &a == &i_cursorActions->up || &a == &i_cursorActions->down ||
         &a == &i_cursorActions->left || &a == &i_cursorActions->right;
}

/// The focusable widget nearest to `from` in the direction of `move`:
/// its centre must lie beyond `from`'s centre in that direction, and the
/// distance across the direction counts double, so that a widget straight
/// ahead wins over a nearer one off to the side. Ties go to the earlier
/// widget.
eWidget* nearestInDirection(eWidget& window, eWidget& from,
                            const eAction& move) {
  const ePoint origin = centreInWindow(from);
  eWidget* best = nullptr;
  long best_score = LONG_MAX;
  findVisible(window, [&](eWidget* w) {
    if (w == &from || !w->takesFocus()) return false;
    ePoint c = centreInWindow(*w);
    long dx = c.x - origin.x, dy = c.y - origin.y;
    long ahead, across;
    if (&move == &i_cursorActions->up) {
      ahead = -dy, across = dx;
    } else if (&move == &i_cursorActions->down) {
      ahead = dy, across = dx;
    } else if (&move == &i_cursorActions->left) {
      ahead = -dx, across = dy;
    } else {
      ahead = dx, across = dy;
    }
    if (ahead <= 0) return false;
    long score = ahead + 2 * std::labs(across);
    if (score < best_score) best_score = score, best = w;
    return false;
  });
  return best;
}

eWidget* firstFocusable(const eWidget& window) {
  return findVisible(window, [](eWidget* w) { return w->takesFocus(); });
}

/// The host's handling of an action that `window` did not consume.
int defaultHandling(eWidget& window, const eWidgetEvent& ev) {
  if (ev.type != eWidgetEvent::evtAction || !ev.action) return 0;
  const eAction& action = *ev.action;
  if (&action == &i_cursorActions->cancel) {
    window.reject();
    return 1;
  }
  if (&action.getMap() == &i_shortcutActions->map) {
    eWidget* button = findVisible(window, [&](eWidget* w) {
      auto* b = dynamic_cast<eButton*>(w);
      return b && b->getShortcut() == action.getIdentifier();
    });
    // The press may close or rebuild the window: nothing is touched after.
    return button ? button->defaultAction(i_cursorActions->ok) : 0;
  }
  eWidget* focus = window.getFocus();
  if (!focus) return 0;
  if (focus->isVisible() && focus->defaultAction(action)) return 1;
  if (!isMove(action)) return 0;
  eWidget* target = nearestInDirection(window, *focus, action);
  if (!target) return 0;
  window.setFocus(target);
  return 1;
}

}  // namespace

eWidget::eWidget(eWidget* parent, int takefocus, const char* deco)
    : parent_(parent),
      takefocus_(takefocus),
      deco_(deco),
      visible_(parent != nullptr) {
  if (parent_) parent_->children_.push_back(this);
}

eWidget::~eWidget() {
  focus_ = nullptr;
  while (!children_.empty()) delete children_.back();
  if (parent_) {
    eWidget* root = rootOf(this);
    if (root->focus_ == this) root->focus_ = nullptr;
    auto& siblings = parent_->children_;
    for (auto it = siblings.begin(); it != siblings.end(); ++it) {
      if (*it == this) {
        siblings.erase(it);
        break;
      }
    }
  } else {
    standin::windowHidden(*this);
  }
}

void eWidget::move(const ePoint& pos) { pos_ = pos; }
void eWidget::resize(const eSize& size) { size_ = size; }
void eWidget::setText(const eString& text) { text_ = text; }

void eWidget::show() {
  visible_ = true;
  if (!parent_) standin::windowShown(*this);
  onShow();
}

void eWidget::hide() {
  visible_ = false;
  if (!parent_) standin::windowHidden(*this);
}

int eWidget::loadDeco() {
  deco_loaded_ = true;
  return 0;
}

int eWidget::setProperty(const eString& prop, const eString& value) {
  if (prop != "align") return -1;
  properties_[prop] = value;
  return 0;
}

eString eWidget::getProperty(const eString& prop) const {
  auto it = properties_.find(prop);
  return it == properties_.end() ? eString() : it->second;
}

void eWidget::setFocus(eWidget* child) { rootOf(this)->focus_ = child; }

eWidget* eWidget::getFocus() const {
  eWidget* root = rootOf(this);
  return root->focus_ ? root->focus_ : firstFocusable(*root);
}

int eWidget::exec() {
  if (in_loop_) return -1;  // a second loop on the same window cannot end
  in_loop_ = true;
  closed_ = false;
  onExec();
  while (!closed_) standin::takeKey(*this);
  in_loop_ = false;
  onExecEnd(result_);
  return result_;
}

void eWidget::close(int result) {
  result_ = result;
  closed_ = true;
}

void eWidget::reject() { close(-1); }

void eWidget::addActionMap(eActionMap* map) {
  if (!hasActionMap(map)) action_maps_.push_back(map);
}

bool eWidget::hasActionMap(const eActionMap* map) const {
  for (const eActionMap* m : action_maps_) {
    if (m == map) return true;
  }
  return false;
}

int eWidget::defaultAction(const eAction&) { return 0; }

int eWidget::eventHandler(const eWidgetEvent&) { return 0; }

int eWidget::handleAction(const eAction& action) {
  eWidgetEvent ev{eWidgetEvent::evtAction, &action};
  if (&action.getMap() == &i_shortcutActions->map &&
      !hasActionMap(&i_shortcutActions->map)) {
    return defaultHandling(*this, ev);
  }
  return event(ev);
}

eWindow::eWindow(int takefocus) : eWidget(nullptr, takefocus, "eWindow") {}

int eWindow::eventHandler(const eWidgetEvent& event) {
  return defaultHandling(*this, event);
}

void eWindow::onShow() { standin::recordEvent("window", {{"title", getText()}}); }

eLabel::eLabel(eWidget* parent, int, int takefocus, const char* deco)
    : eWidget(parent, takefocus, deco) {}

eCheckbox::eCheckbox(eWidget* parent, int checked, int takefocus, bool,
                     const char* deco)
    : eWidget(parent, takefocus, deco), checked_(checked ? 1 : 0) {}

void eCheckbox::setCheck(int checked) { checked_ = checked ? 1 : 0; }

int eCheckbox::defaultAction(const eAction& action) {
  if (&action != &i_cursorActions->ok) return 0;
  checked_ = !checked_;
  checked.emit(checked_);
  return 1;
}

eTextInputField::eTextInputField(eWidget* parent, eLabel*,
                                 eTextInputFieldHelpWidget*, const char* deco)
    : eWidget(parent, 1, deco) {}

eButton::eButton(eWidget* parent, eLabel*, int takefocus, const char* deco)
    : eWidget(parent, takefocus, deco) {}

int eButton::defaultAction(const eAction& action) {
  if (&action != &i_cursorActions->ok) return 0;
  selected.emit();
  return 1;
}

eListBoxEntryText::eListBoxEntryText(eListBox<eListBoxEntryText>* lb,
                                     const char* txt, void* key, int,
                                     const eString&, int)
    : text_(txt), key_(key) {
  if (lb) lb->append(this);
}

int eListBoxEntryText::getEntryHeight() { return 20; }

eListBoxBase::eListBoxBase(eWidget* parent, int takefocus, const char* deco)
    : eWidget(parent, takefocus, deco) {}

eListBoxBase::~eListBoxBase() { clearList(); }

void eListBoxBase::clearList() {
  for (eListBoxEntry* entry : entries_) delete entry;
  entries_.clear();
  current_ = 0;
}

eListBoxEntry* eListBoxBase::currentEntry() const {
  return entries_.empty() ? nullptr : entries_[current_];
}

void eListBoxBase::setCurrentIndex(int index, bool report) {
  if (index < 0 || index >= getCount()) return;
  current_ = index;
  if (report) SendSelChanged(entries_[current_]);
}

void eListBoxBase::append(eListBoxEntry* entry) { entries_.push_back(entry); }

int eListBoxBase::defaultAction(const eAction& action) {
  // The handlers may refill the list: the entry is handed over and the
  // list is not looked at again after the signal.
  if (&action == &i_cursorActions->ok) {
    SendSelected(currentEntry());
    return 1;
  }
  int step = &action == &i_cursorActions->up     ? -1
             : &action == &i_cursorActions->down ? 1
                                                 : 0;
  if (step == 0) return 0;
  int index = current_ + step;
  if (index >= 0 && index < getCount()) setCurrentIndex(index, true);
  return 1;
}

eComboBox::eComboBox(eWidget* parent, int, eLabel*, int takefocus,
                     const char* deco)
    : eWidget(parent, takefocus, deco),
      list_(std::make_unique<eListBox<eListBoxEntryText>>(nullptr, nullptr,
                                                          0)) {}

eComboBox::~eComboBox() = default;

int eComboBox::setCurrent(int index, bool sendSelChanged) {
  if (index < 0 || index >= list_->getCount()) return -1;
  list_->setCurrentIndex(index, sendSelChanged);
  return 0;
}

int eComboBox::defaultAction(const eAction& action) {
  int step = &action == &i_cursorActions->up     ? -1
             : &action == &i_cursorActions->down ? 1
                                                 : 0;
  if (step == 0) return 0;
  setCurrent(list_->getCurrentIndex() + step, false);
  return 1;
}
