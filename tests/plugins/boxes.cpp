// A small plugin for the host's command-line tests: it uses each host
// service once, so that a run shows every kind of transcript event.
#include <cstdlib>

#include "host/emessagebox.h"
#include "host/ewidget.h"
#include "host/plugin.h"
#include "host/services.h"

extern "C" int plugin_exec(PluginParam*) {
  eRCInput::getInstance()->lock();
  const char* root = std::getenv("TESSAROLL_ROOT");
  // A buttonless box does not wait, even with the input locked.
  eMessageBox progress(root ? root : "(no root)", "Root", 16, 1, 0);
  progress.show();
  progress.exec();
  progress.hide();
  eRCInput::getInstance()->unlock();

  eMessageBox question("Caf\xe9?", "Question", 44, 1, 0);
  question.show();
  int answer = question.exec();
  question.hide();

  eWindow window(1);
  window.setText("Boxes");
  auto* field = new eTextInputField(&window);
  auto* done = new eButton(&window);
  done->setShortcut("green");
  done->selected.connect([&] {
    eZapMain::getInstance()->loadRecordings(false);
    window.close(answer + static_cast<int>(field->getText().size()));
  });
  window.show();
  int result = window.exec();
  window.hide();
  return result;
}
