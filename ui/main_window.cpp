#include "ui/main_window.h"

#include "builder/rebuild.h"
#include "host/emessagebox.h"
#include "settings/settings_file.h"
#include "ui/file_dlg.h"
#include "ui/globals.h"
#include "ui/layout.h"
#include "ui/name_dlg.h"

namespace {

const char kSortByName[] = "sort by Name";
const char kSortByDate[] = "sort by Date";

// Runs a message box modally and destroys it.
void tell(const eString& text, const eString& caption, int flags) {
  eMessageBox box(text, caption, flags, 1, 0);
  box.show();
  box.exec();
  box.hide();
}

}  // namespace

eTessaroll::eTessaroll() : eWindow(0) {
  addActionMap(&i_shortcutActions->map);
  // Without a readable file the window still opens, with empty rows; the
  // user learns of the problem when closing cannot save either.
  createDefaultSettings();

  cmove(ePoint(150, 150));
  cresize(eSize(500, 300));
  setText("Tessaroll Builder");
  const int W = getClientSize().width();
  const int H = getClientSize().height();

  for (eLabel*& label : headers_)
    label = place<eLabel>(this, ePoint(), eSize(30, 30), 0, 0, "eLabel");

  for (int r = 0; r < kRowCount; ++r) {
    const int y = 60 + 40 * r;
    use_[r] = place<eCheckbox>(this, ePoint(10, y), eSize(30, 30), 0, 1, false,
                               "eCheckBox");
    sub_[r] = place<eCheckbox>(this, ePoint(50, y), eSize(30, 30), 0, 1, false,
                               "eCheckBox");
    name_[r] = place<eTextInputField>(this, ePoint(90, y), eSize(W - 210, 30),
                                      nullptr, nullptr, "eNumber");
    eit1_[r] = place<eCheckbox>(this, ePoint(W - 110, y), eSize(30, 30), 0, 1,
                                false, "eCheckBox");
    eit2_[r] = place<eCheckbox>(this, ePoint(W - 70, y), eSize(30, 30), 0, 1,
                                false, "eCheckBox");
    dir_[r] = place<eCheckbox>(this, ePoint(W - 30, y), eSize(30, 30), 0, 1,
                               false, "eCheckBox");
  }

  const struct {
    const char* text;
    ePoint pos;
    eSize size;
  } header_layout[8] = {
      {"scan:", ePoint(10, 0), eSize(150, 30)},
      {"name from:", ePoint(W - 160, 0), eSize(150, 30)},
      {"use", ePoint(10, 30), eSize(32, 30)},
      {"sub", ePoint(50, 30), eSize(32, 30)},
      {"Directory", ePoint(95, 30), eSize(W - 150, 30)},
      {"eit1", ePoint(W - 112, 30), eSize(32, 30)},
      {"eit2", ePoint(W - 72, 30), eSize(34, 30)},
      {"dir", ePoint(W - 32, 30), eSize(32, 30)},
  };
  for (int i = 0; i < 8; ++i) {
    headers_[i]->move(header_layout[i].pos);
    headers_[i]->resize(header_layout[i].size);
    headers_[i]->setText(header_layout[i].text);
  }
  headers_[1]->setProperty("align", "right");

  ok_ = placeKeyButton(this, "OK", "green", ePoint(W - 110, H - 40),
                       eSize(100, 30));
  ok_->selected.connect(sigc::mem_fun(*this, &eTessaroll::greenPressed));

  sort_ = place<eComboBox>(this, ePoint(160, H - 40), eSize(180, 30), 2,
                           nullptr, 1, "eComboBox");
  new eListBoxEntryText(*sort_, kSortByName, reinterpret_cast<void*>(0));
  new eListBoxEntryText(*sort_, kSortByDate, reinterpret_cast<void*>(1));
  sort_->setCurrent(loadSortByDate() ? 1 : 0, false);

  cancel_ = placeKeyButton(this, "cancel", "red", ePoint(10, H - 40),
                           eSize(100, 30));
  cancel_->selected.connect(sigc::mem_fun(*this, &eWidget::reject));

  loadRows();

  for (int r = 0; r < kRowCount; ++r) {
    eWidget* row[6] = {use_[r], sub_[r], name_[r], eit1_[r], eit2_[r], dir_[r]};
    for (int c = 0; c < 6; ++c) focus_table_[6 * r + c] = row[c];
  }
  focus_table_[kCancelSlot] = cancel_;
  focus_table_[kSortSlot] = sort_;
  focus_table_[kOkSlot] = ok_;
  focus_slot_ = 0;
}

eTessaroll::~eTessaroll() {
  if (!saveSettings(rows(), sortChoice()))
    tell("Settings could not be saved!\n/var/etc/tsr.conf is unchanged",
         "Error!", eMessageBox::btOK | eMessageBox::iconError);
  tell("Tessaroll rebuilds the recordings list\n"
       "from up to five directories and their subdirectories.",
       "About", eMessageBox::btOK | eMessageBox::iconInfo);
}

void eTessaroll::loadRows() {
  for (int r = 0; r < kRowCount; ++r) {
    const StoredRow stored = loadRow(r);
    if (stored.use) use_[r]->setCheck(1);
    if (stored.sub) sub_[r]->setCheck(1);
    if (stored.name) name_[r]->setText(*stored.name);
    if (stored.eit1) eit1_[r]->setCheck(1);
    if (stored.eit2) eit2_[r]->setCheck(1);
    if (stored.dir) dir_[r]->setCheck(1);
    if (stored.newname) newname[r] = *stored.newname;
  }
}

ScanRows eTessaroll::rows() const {
  ScanRows rows;
  for (int r = 0; r < kRowCount; ++r) {
    rows[r].use = use_[r]->isChecked();
    rows[r].sub = sub_[r]->isChecked();
    rows[r].name = name_[r]->getText();
    rows[r].eit1 = eit1_[r]->isChecked();
    rows[r].eit2 = eit2_[r]->isChecked();
    rows[r].dir = dir_[r]->isChecked();
    rows[r].newname = newname[r];
  }
  return rows;
}

eString eTessaroll::sortChoice() const {
  const eListBoxEntryText* current = sort_->getCurrent();
  return current ? current->getText() : eString();
}

void eTessaroll::greenPressed() {
  rebuildRun(rows(), sortChoice(), [this] { close(0); });
}

void eTessaroll::bluePressed() {
  eNameDlg dlg(this, name_);
  dlg.show();
  dlg.exec();
  dlg.hide();
}

void eTessaroll::EditTextInputPressed(int row) {
  eString start = name_[row]->getText();
  if (start.empty() || start[0] != '/') start = "/";
  eFileDlg dlg(this, start);
  dlg.show();
  const int result = dlg.exec();
  dlg.hide();
  // Save with nothing highlighted yet chooses nothing: the row keeps its
  // directory rather than losing it to an empty text.
  if (result == 1 && !path_new.empty()) name_[row]->setText(path_new);
}

int eTessaroll::moveFocus(int slot) {
  focus_slot_ = slot;
  setFocus(focus_table_[slot]);
  return 1;
}

int eTessaroll::eventHandler(const eWidgetEvent& event) {
  if (event.type != eWidgetEvent::evtAction) return eWindow::eventHandler(event);
  const eAction* action = event.action;
  const int f = focus_slot_;
  if (action == &i_cursorActions->cancel) {
    close(0);
    return 1;
  }
  if (action == &i_shortcutActions->blue) {
    bluePressed();
    return 1;
  }
  if (action == &i_cursorActions->ok && f < kCancelSlot && f % 6 == 2) {
    EditTextInputPressed(f / 6);
    return 1;
  }
  if (action == &i_cursorActions->up && f != kSortSlot) {
    if (f == kOkSlot) return moveFocus(29);
    if (f < 6) return 1;
    return moveFocus(f - 6);
  }
  if (action == &i_cursorActions->down && f != kSortSlot) {
    if (f >= 24 && f <= 26) return moveFocus(kCancelSlot);
    if (f >= 27 && f <= 29) return moveFocus(kOkSlot);
    if (f == kCancelSlot || f == kOkSlot) return 1;
    return moveFocus(f + 6);
  }
  if (action == &i_cursorActions->left) return f == 0 ? 1 : moveFocus(f - 1);
  if (action == &i_cursorActions->right)
    return f == kOkSlot ? 1 : moveFocus(f + 1);
  return eWindow::eventHandler(event);
}
