// The picture of the receiver's screen that the terminal front end shows:
// the windows on screen turned into a grid of character cells. Kept apart
// from the terminal, so that what the user sees can be tested as text.
#ifndef TESSAROLL_HOST_STANDIN_SCREEN_H_
#define TESSAROLL_HOST_STANDIN_SCREEN_H_

#include <string>
#include <vector>

class eWidget;

namespace standin {

/// What a cell is painted as; the terminal picks the colours.
enum class Paint {
  kScreen,     // the background outside every window
  kWindow,     // a window's client area and frame
  kTitle,      // a window's title in its frame
  kField,      // text fields and combo boxes
  kButton,     // a button without a coloured key
  kRed,        // the coloured keys, on buttons and in the key legend
  kGreen,
  kYellow,
  kBlue,
  kHighlight,  // the highlighted entry of a list box
  kStatus,     // the key legend in the last row
};

struct Cell {
  /// One character in UTF-8 with its combining marks; empty in the right
  /// half of a character two cells wide.
  std::string glyph = " ";
  Paint paint = Paint::kScreen;
  /// Part of the widget that has the input focus.
  bool focus = false;
};

/// A grid of cells, row by row.
class Screen {
 public:
  Screen(int width, int height);

  int width() const { return width_; }
  int height() const { return height_; }
  const Cell& at(int x, int y) const { return cells_[y * width_ + x]; }
  /// Writes `glyph` at (x, y); outside the grid nothing happens. A wide
  /// character cut in half by the write is blanked.
  void put(int x, int y, const std::string& glyph, Paint paint, bool focus);

  /// Where the terminal's cursor belongs (the end of the text in a focused
  /// text field); x is -1 when the cursor is hidden.
  int cursor_x() const { return cursor_x_; }
  int cursor_y() const { return cursor_y_; }
  void setCursor(int x, int y);

  /// Row `y`'s characters, without trailing spaces.
  std::string line(int y) const;
  /// Every row's line, each ended by "\n".
  std::string toString() const;

 private:
  int width_;
  int height_;
  std::vector<Cell> cells_;
  int cursor_x_ = -1;
  int cursor_y_ = -1;
};

/// Draws `windows`, oldest first and each over the ones before, scaled from
/// the receiver's 720 x 576 pixels to `width` x (`height` - 1) cells, with
/// the key legend in the last row. The focused widget of `active` (the
/// window whose loop waits; may be null) is marked with ">" beside it and
/// Cell::focus. Message boxes are centred, as the receiver shows them.
/// Without `unicode` only ASCII is drawn: every other character becomes "?".
Screen drawScreen(const std::vector<eWidget*>& windows, const eWidget* active,
                  int width, int height, bool unicode);

}  // namespace standin

#endif  // TESSAROLL_HOST_STANDIN_SCREEN_H_
