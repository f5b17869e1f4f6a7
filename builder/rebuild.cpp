#include "builder/rebuild.h"

#include <memory>
#include <string>

#include "builder/fsys.h"
#include "builder/playlist.h"
#include "builder/scanner.h"
#include "builder/state.h"
#include "host/emessagebox.h"
#include "host/services.h"

namespace {

// Shows a modal box and waits for the user's answer.
int ask(const eString& text, const eString& caption, int flags) {
  eMessageBox box(text, caption, flags, 1, 0);
  box.show();
  const int answer = box.exec();
  box.hide();
  return answer;
}

void reportError(const eString& text) {
  ask(text, "Error!", eMessageBox::btOK | eMessageBox::iconError);
}

// Puts the previous playlist back in place of the one just written. When
// that fails the user must learn where the old list is, or it is lost to
// them at the next rebuild, which overwrites the backup.
void restore() {
  fsys::FileSystem& fs = fsys::fs();
  const bool have_backup = fs.canRead(kPlaylistBackupPath);
  fs.remove(kPlaylistPath);
  if (!fs.rename(kPlaylistBackupPath, kPlaylistPath) && have_backup)
    reportError(eString("recordings.epl could not be restored!\n"
                        "The previous list is kept in ") +
                kPlaylistBackupPath);
}

int scanRow(const ScanRow& row) {
  subflag = row.sub;
  eit1flag = row.eit1;
  eit2flag = row.eit2;
  dirflag = row.dir;
  nn = row.newname;
  return dirlist(row.name);
}

}  // namespace

void rebuildRun(const ScanRows& rows, const eString& sort_choice,
                const std::function<void()>& close_window) {
  eRCInput* input = eRCInput::getInstance();
  fsys::FileSystem& fs = fsys::fs();
  input->lock();

  // The old playlist must be safe before the new one is created: if it
  // cannot be moved aside, truncating it would lose it.
  if (fs.canRead(kPlaylistPath) &&
      !fs.rename(kPlaylistPath, kPlaylistBackupPath)) {
    input->unlock();
    reportError("recordings.epl could not be backed up!\n"
                "recordings.epl is not builded");
    return;
  }
  std::unique_ptr<fsys::WritableFile> playlist = fs.openForWrite(kPlaylistPath);
  if (!playlist) {
    input->unlock();
    reportError("recordings.epl could not be written!\n"
                "recordings.epl is not builded");
    restore();
    return;
  }
  fp = playlist.get();
  writePlaylistHeader(*fp);

  auto progress = std::make_unique<eMessageBox>(
      "scanning directorys...", "Tessaroll", eMessageBox::iconInfo, 1, 0);
  progress->show();

  sortbydate = sort_choice != "sort by Name";
  tscnt = 0;
  int errors = 0;
  for (const ScanRow& row : rows) {
    if (!row.use) continue;
    const int result = scanRow(row);
    if (result == kScanOk) continue;
    input->unlock();
    ask("Scan Error " + std::to_string(result) + " in:\n" + row.name, "Error!",
        eMessageBox::btOK | eMessageBox::iconError);
    input->lock();
    errors += result;
  }

  progress->hide();
  progress.reset();
  const bool written = fp->close();
  fp = nullptr;
  input->unlock();

  // A list cut short by a full disk must never be activated as if whole.
  if (!written) {
    reportError("recordings.epl could not be written completely!\n"
                "recordings.epl is not builded");
    restore();
    return;
  }

  if (tscnt == 0) {
    ask("No TS/MPG-Files found!\nrecordings.epl is not builded", "Warning",
        eMessageBox::btOK | eMessageBox::iconWarning);
    restore();
    return;
  }
  if (errors != 0 &&
      ask("There exist some errors, rebuild recordings.epl anyway?", "Warning",
          eMessageBox::btYes | eMessageBox::btNo | eMessageBox::iconWarning) !=
          eMessageBox::btYes) {
    restore();
    return;
  }
  eZapMain::getInstance()->loadRecordings(false);
  ask(std::to_string(tscnt) +
          " TS/MPG-Files detected...\n"
          "New recordings.epl is builded and activated!",
      "Information", eMessageBox::btOK | eMessageBox::iconInfo);
  close_window();
}
