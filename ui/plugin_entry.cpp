// The entry the host calls after loading the plugin.
#include <memory>

#include "builder/fsys.h"
#include "builder/playlist.h"
#include "host/emessagebox.h"
#include "host/plugin.h"
#include "ui/main_window.h"

extern "C" int plugin_exec(PluginParam*) {
  // Nothing may unwind into the host, which is not ours.
  try {
    // Without a playlist the host has no recordings list to reload.
    if (!fsys::fs().canRead(kPlaylistPath)) {
      eMessageBox box("/hdd/movie/recordings.epl not found!!\nterminating...",
                      "Tessaroll", eMessageBox::btOK | eMessageBox::iconError,
                      1, 0);
      box.show();
      box.exec();
      box.hide();
      return -1;
    }
    auto window = std::make_unique<eTessaroll>();
    window->show();
    const int result = window->exec();
    window->hide();
    window.reset();
    return result;
  } catch (...) {
    return -1;
  }
}
