// The host's message box: a small window with a text, an icon and up to
// three buttons. Shown without a modal loop it stays on screen until hidden.
#ifndef TESSAROLL_HOST_EMESSAGEBOX_H_
#define TESSAROLL_HOST_EMESSAGEBOX_H_

#include "host/ewidget.h"

class eMessageBox : public eWindow {
 public:
  enum {
    btOK = 1,
    btCancel = 2,
    btYes = 4,
    btNo = 8,
    iconInfo = 16,
    iconWarning = 32,
    iconQuestion = 64,
    iconError = 128
  };

  /// `flags` combines buttons and one icon; exec returns the value of the
  /// button pressed (btOK, btYes or btNo), or -1 on exit.
  eMessageBox(const eString& message, const eString& caption,
              int flags = btOK, int def = btOK, int timeout = 0);

  const eString& getMessage() const { return message_; }
  int getFlags() const { return flags_; }

 protected:
  void onShow() override;
  void onExec() override;
  void onExecEnd(int result) override;

 private:
  eString message_;
  int flags_;
};

#endif  // TESSAROLL_HOST_EMESSAGEBOX_H_
