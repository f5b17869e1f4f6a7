#include "ui/file_dlg.h"

#include <cstdint>
#include <string>
#include <vector>

#include "builder/fsys.h"
#include "ui/globals.h"
#include "ui/layout.h"

namespace {

const char kUp[] = "..";

eString join(const eString& dir, const eString& name) {
  return dir == "/" ? dir + name : dir + "/" + name;
}

// "/hdd/movie" gives "/hdd", "/hdd" gives "/", "/" stays "/".
eString parentOf(const eString& dir) {
  const size_t slash = dir.rfind('/');
  if (slash == std::string::npos || slash == 0) return "/";
  return dir.substr(0, slash);
}

}  // namespace

eFileDlg::eFileDlg(eWidget* parent, const eString& start) : eWindow(1) {
  (void)parent;
  cmove(ePoint(210, 168));
  cresize(eSize(300, 280));
  const int W = getClientSize().width();

  list_ = place<eListBox<eListBoxEntryText>>(
      this, ePoint(10, 10), eSize(280, 220), nullptr, 1,
      eListBoxEntryText::getEntryHeight(), "eListBox");
  list_->selected.connect(sigc::mem_fun(*this, &eFileDlg::selectedItem));
  list_->selchanged.connect(sigc::mem_fun(*this, &eFileDlg::selectionChanged));

  path_ = place<eTextInputField>(this, ePoint(10, 240), eSize(170, 30),
                                 nullptr, nullptr, "eNumber");
  path_->setText("Path name");

  save_ = placeKeyButton(this, "save", "green", ePoint(W - 110, 240),
                         eSize(100, 30));
  save_->selected.connect(sigc::mem_fun(*this, &eFileDlg::okPressed));

  current_ = start;
  setText(start);
  getDirs(start);
}

void eFileDlg::getDirs(const eString& dir) {
  fsys::FileSystem& fs = fsys::fs();
  std::vector<std::string> names;
  const bool listed = fs.listDir(dir, &names);
  list_->clearList();
  list_->beginAtomic();
  // From a directory that cannot be read, ".." is still the way out.
  if (!listed || names.empty()) {
    new eListBoxEntryText(list_, kUp, nullptr);
  } else {
    intptr_t count = 0;
    for (const std::string& name : names) {
      if (name == ".") continue;
      if (dir == "/" && name == kUp) continue;
      fsys::FileStatus st;
      // Entries without a status (broken links, paths beyond the system's
      // limit) cannot be entered, so they are not offered.
      if (!fs.status(join(dir, name), &st) || !st.is_dir) continue;
      new eListBoxEntryText(list_, name.c_str(), reinterpret_cast<void*>(count++));
    }
  }
  list_->endAtomic();
  setFocus(list_);
}

void eFileDlg::selectionChanged(eListBoxEntryText* entry) {
  if (!entry) return;
  if (entry->getText() == kUp) {
    path_->setText("");
    save_->hide();
    return;
  }
  selected_ = join(current_, entry->getText());
  path_->setText(entry->getText());
  save_->show();
}

void eFileDlg::selectedItem(eListBoxEntryText* entry) {
  if (!entry) return;
  // The entry is gone once the list is refilled.
  const eString next = entry->getText() == kUp ? parentOf(current_)
                                               : join(current_, entry->getText());
  setText(next);
  current_ = next;
  getDirs(next);
}

void eFileDlg::okPressed() {
  path_new = selected_;
  close(1);
}
