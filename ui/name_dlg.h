// The additional names dialog: one name per directory row, put in
// brackets before every description found through that row.
#ifndef TESSAROLL_UI_NAME_DLG_H_
#define TESSAROLL_UI_NAME_DLG_H_

#include <array>

#include "builder/scan_row.h"
#include "host/ewidget.h"

class eNameDlg : public eWindow {
 public:
  /// Shows the texts of the main window's directory `fields` beside the
  /// names in newname; save copies the edited names back.
  eNameDlg(eWidget* parent,
           const std::array<eTextInputField*, kRowCount>& fields);

 private:
  void okPressed();

  std::array<eLabel*, 2> column_labels_;
  std::array<eLabel*, kRowCount> directory_labels_;
  std::array<eTextInputField*, kRowCount> name_fields_;
  eButton* save_;
};

#endif  // TESSAROLL_UI_NAME_DLG_H_
