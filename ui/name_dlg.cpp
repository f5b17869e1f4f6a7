#include "ui/name_dlg.h"

#include "ui/globals.h"
#include "ui/layout.h"

eNameDlg::eNameDlg(eWidget* parent,
                   const std::array<eTextInputField*, kRowCount>& fields)
    : eWindow(1) {
  (void)parent;
  setText("Additional Directory Description");
  cmove(ePoint(95, 168));
  cresize(eSize(530, 280));
  const int W = getClientSize().width();

  const char* column_texts[2] = {"Path name:", "additional name:"};
  const int column_x[2] = {10, 320};
  for (int i = 0; i < 2; ++i) {
    column_labels_[i] = new eLabel(this, 0, 0, "eLabel");
    column_labels_[i]->move(ePoint(column_x[i], 10));
    column_labels_[i]->resize(eSize(150, 30));
    column_labels_[i]->setText(column_texts[i]);
  }

  for (int i = 0; i < kRowCount; ++i) {
    const int y = 40 + 40 * i;
    directory_labels_[i] = place<eLabel>(this, ePoint(10, y), eSize(300, 30),
                                         0, 0, "eLabel");
    directory_labels_[i]->setText(fields[i]->getText());
    name_fields_[i] = place<eTextInputField>(
        this, ePoint(320, y), eSize(200, 30), nullptr, nullptr, "eNumber");
    name_fields_[i]->setText(newname[i]);
  }

  save_ = placeKeyButton(this, "save", "green", ePoint(W - 110, 240),
                         eSize(100, 30));
  save_->selected.connect(sigc::mem_fun(*this, &eNameDlg::okPressed));

  setFocus(name_fields_[0]);
}

void eNameDlg::okPressed() {
  for (int i = 0; i < kRowCount; ++i) newname[i] = name_fields_[i]->getText();
  close(0);
}
