// The plugin's main window: the table of five directory rows, the sort
// choice, and the buttons that rebuild the playlist or leave. Closing it,
// whichever way, saves the settings.
#ifndef TESSAROLL_UI_MAIN_WINDOW_H_
#define TESSAROLL_UI_MAIN_WINDOW_H_

#include <array>

#include "builder/scan_row.h"
#include "host/ewidget.h"

class eTessaroll : public eWindow {
 public:
  eTessaroll();
  /// Saves the settings, then shows the About box.
  ~eTessaroll() override;

  /// Rebuilds the playlist; closes the window when that succeeded.
  void greenPressed();
  /// Opens the additional names dialog.
  void bluePressed();
  /// Opens the directory browser for `row` (0 to 4).
  void EditTextInputPressed(int row);

 protected:
  /// Moves the focus over the row table as a grid and gives ok, exit and
  /// blue their meaning here; everything else is the host's.
  int eventHandler(const eWidgetEvent& event) override;

 private:
  // Focus slots: 6 per row (use, sub, directory, eit1, eit2, dir), then
  // the bottom line from left to right.
  static constexpr int kCancelSlot = 30;
  static constexpr int kSortSlot = 31;
  static constexpr int kOkSlot = 32;

  ScanRows rows() const;
  eString sortChoice() const;
  void loadRows();
  int moveFocus(int slot);

  // Widgets belong to the window; these are views of them.
  eButton* ok_;
  eButton* cancel_;
  std::array<eLabel*, 8> headers_;
  std::array<eCheckbox*, kRowCount> use_, sub_, eit1_, eit2_, dir_;
  std::array<eTextInputField*, kRowCount> name_;
  eComboBox* sort_;
  std::array<eWidget*, 33> focus_table_;
  int focus_slot_ = 0;
};

#endif  // TESSAROLL_UI_MAIN_WINDOW_H_
