// The directory browser: walks the directory tree in a list and returns
// the highlighted directory's full path when save is pressed.
#ifndef TESSAROLL_UI_FILE_DLG_H_
#define TESSAROLL_UI_FILE_DLG_H_

#include "host/ewidget.h"

class eFileDlg : public eWindow {
 public:
  /// Lists the subdirectories of `start`. exec returns 1 when closed by
  /// save, with the chosen directory in path_new.
  eFileDlg(eWidget* parent, const eString& start);

 private:
  void getDirs(const eString& dir);
  void selectionChanged(eListBoxEntryText* entry);
  void selectedItem(eListBoxEntryText* entry);
  void okPressed();

  eTextInputField* path_;
  eButton* save_;
  eString current_;   // also the window title
  eString selected_;  // empty until a directory is highlighted
  eListBox<eListBoxEntryText>* list_;
};

#endif  // TESSAROLL_UI_FILE_DLG_H_
