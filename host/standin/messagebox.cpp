// The stand-in's message box: its buttons are ordinary buttons in a row,
// so the default handling moves between them with left and right.
#include "host/emessagebox.h"

#include "host/standin/session.h"

namespace {

struct ButtonKind {
  int flag;
  const char* text;
};

constexpr ButtonKind kButtons[] = {{eMessageBox::btOK, "OK"},
                                   {eMessageBox::btYes, "Yes"},
                                   {eMessageBox::btNo, "No"}};

constexpr int kAnyButton = eMessageBox::btOK | eMessageBox::btYes |
                           eMessageBox::btNo;

}  // namespace

eMessageBox::eMessageBox(const eString& message, const eString& caption,
                         int flags, int, int)
    : eWindow(1), message_(message), flags_(flags) {
  setText(caption);
  auto* text = new eLabel(this);
  text->move(ePoint(10, 10));
  text->resize(eSize(380, 60));
  text->setText(message);
  int x = 10;
  for (const ButtonKind& kind : kButtons) {
    if (!(flags & kind.flag)) continue;
    auto* button = new eButton(this);
    button->move(ePoint(x, 80));
    button->resize(eSize(100, 30));
    button->setText(kind.text);
    int result = kind.flag;
    button->selected.connect([this, result] { close(result); });
    x += 110;
  }
  resize(eSize(400, 120));
}

void eMessageBox::onShow() {
  standin::recordEvent("messagebox", {{"caption", getText()},
                                      {"text", message_},
                                      {"flags", flags_}});
}

void eMessageBox::onExec() {
  // Without a button there is nothing to answer with: waiting for a key
  // would wait for ever.
  if (!(flags_ & kAnyButton)) reject();
}

void eMessageBox::onExecEnd(int result) {
  standin::recordEvent("answer", {{"caption", getText()}, {"result", result}});
}
