// Drawing the widget tree into character cells. The receiver lays its
// windows out in pixels on a 720 x 576 screen; every position and size is
// scaled to cells, so the windows keep their places relative to each other
// on any terminal size.
#include "host/standin/screen.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "host/emessagebox.h"
#include "host/ewidget.h"

namespace standin {
namespace {

constexpr int kScreenWidthPx = 720;
constexpr int kScreenHeightPx = 576;

/// The glyphs of a text, one a cell; "" stands in the right half of a
/// character two cells wide.
using Glyphs = std::vector<std::string>;

struct Charset {
  bool unicode;
  const char* replacement;  // for control codes and bytes that are no UTF-8
  const char* ellipsis;     // where a text is cut
  const char* frame[6];     // corners top left, top right, bottom left,
                            // bottom right; horizontal; vertical
  const char* arrow_up;
  const char* arrow_down;
  const char* moves;        // the cursor keys in the legend
};

constexpr Charset kUnicode = {true, "\xEF\xBF\xBD", "\xE2\x80\xA6",
                              {"\xE2\x94\x8C", "\xE2\x94\x90", "\xE2\x94\x94",
                               "\xE2\x94\x98", "\xE2\x94\x80", "\xE2\x94\x82"},
                              "\xE2\x96\xB2", "\xE2\x96\xBC",
                              "\xE2\x86\x90\xE2\x86\x91\xE2\x86\x93\xE2\x86\x92"};
constexpr Charset kAscii = {false, "?", "~", {"+", "+", "+", "+", "-", "|"},
                            "^", "v", "Arrows"};

/// Decodes the UTF-8 sequence at `s[i]`: stores its code point in `cp` and
/// returns its length, or returns 1 with `cp` = -1 for a byte that does not
/// begin a valid sequence (overlong forms and surrogates included).
size_t decodeUtf8(std::string_view s, size_t i, long* cp) {
  const auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
  unsigned char b0 = byte(i);
  *cp = -1;
  if (b0 < 0x80) {
    *cp = b0;
    return 1;
  }
  size_t len;
  long value;
  unsigned char lo = 0x80, hi = 0xBF;  // allowed range of the second byte
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    len = 2, value = b0 & 0x1F;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    len = 3, value = b0 & 0x0F;
    if (b0 == 0xE0) lo = 0xA0;
    if (b0 == 0xED) hi = 0x9F;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    len = 4, value = b0 & 0x07;
    if (b0 == 0xF0) lo = 0x90;
    if (b0 == 0xF4) hi = 0x8F;
  } else {
    return 1;
  }
  if (i + len > s.size()) return 1;
  for (size_t k = 1; k < len; ++k) {
    unsigned char b = byte(i + k);
    if (b < (k == 1 ? lo : 0x80) || b > (k == 1 ? hi : 0xBF)) return 1;
    value = (value << 6) | (b & 0x3F);
  }
  *cp = value;
  return len;
}

bool isCombining(long cp) {
  return (cp >= 0x0300 && cp <= 0x036F) || (cp >= 0x1AB0 && cp <= 0x1AFF) ||
         (cp >= 0x1DC0 && cp <= 0x1DFF) || (cp >= 0x20D0 && cp <= 0x20FF) ||
         (cp >= 0xFE20 && cp <= 0xFE2F);
}

/// East Asian characters that terminals draw two cells wide.
bool isWide(long cp) {
  return (cp >= 0x1100 && cp <= 0x115F) || (cp >= 0x2E80 && cp <= 0x303E) ||
         (cp >= 0x3041 && cp <= 0x33FF) || (cp >= 0x3400 && cp <= 0x4DBF) ||
         (cp >= 0x4E00 && cp <= 0x9FFF) || (cp >= 0xA000 && cp <= 0xA4CF) ||
         (cp >= 0xAC00 && cp <= 0xD7A3) || (cp >= 0xF900 && cp <= 0xFAFF) ||
         (cp >= 0xFE30 && cp <= 0xFE4F) || (cp >= 0xFF00 && cp <= 0xFF60) ||
         (cp >= 0xFFE0 && cp <= 0xFFE6) || (cp >= 0x20000 && cp <= 0x3FFFD);
}

/// The cells of one line of `text`. Texts are byte strings that need not
/// be UTF-8 (file names, for one), and a control code would move the
/// terminal's cursor: both are drawn as the replacement character.
Glyphs glyphsOf(std::string_view text, const Charset& cs) {
  Glyphs glyphs;
  for (size_t i = 0; i < text.size();) {
    long cp;
    size_t len = decodeUtf8(text, i, &cp);
    std::string_view bytes = text.substr(i, len);
    i += len;
    if (cp < 0 || cp < 0x20 || (cp >= 0x7F && cp <= 0x9F)) {
      glyphs.emplace_back(cs.replacement);
    } else if (isCombining(cp)) {
      auto base = std::find_if(glyphs.rbegin(), glyphs.rend(),
                               [](const std::string& g) { return !g.empty(); });
      if (cs.unicode && base != glyphs.rend()) base->append(bytes);
    } else if (!cs.unicode && cp >= 0x80) {
      glyphs.emplace_back("?");
    } else {
      glyphs.emplace_back(bytes);
      if (isWide(cp)) glyphs.emplace_back();
    }
  }
  return glyphs;
}

/// The first `count` glyphs of `glyphs`; a wide character cut in half
/// becomes a blank.
Glyphs head(const Glyphs& glyphs, size_t count) {
  Glyphs out(glyphs.begin(), glyphs.begin() + std::min(count, glyphs.size()));
  if (count > 0 && count < glyphs.size() && glyphs[count].empty()) {
    out.back() = " ";
  }
  return out;
}

/// `glyphs` cut to `width` cells, with an ellipsis where text is left out:
/// at the start when `keep_tail` (a field being typed into shows its end),
/// otherwise at the end.
Glyphs fit(const Glyphs& glyphs, int width, bool keep_tail, const Charset& cs) {
  const size_t w = std::max(width, 0);
  if (glyphs.size() <= w) return glyphs;
  if (w == 0) return {};
  if (!keep_tail) {
    Glyphs out = head(glyphs, w - 1);
    out.emplace_back(cs.ellipsis);
    return out;
  }
  Glyphs out{cs.ellipsis};
  out.insert(out.end(), glyphs.end() - (w - 1), glyphs.end());
  if (w > 1 && out[1].empty()) out[1] = " ";  // half of a wide character
  return out;
}

/// Breaks `text` into at most `max_lines` lines of at most `width` cells:
/// at its line ends and, when more than one line fits, between words. An
/// ellipsis ends the last line when text is left out.
std::vector<Glyphs> wrap(const std::string& text, int width, int max_lines,
                         const Charset& cs) {
  const size_t w = std::max(width, 1);
  std::vector<Glyphs> lines;
  bool cut = false;
  for (size_t start = 0; start <= text.size() && !cut;) {
    size_t end = std::min(text.find('\n', start), text.size());
    Glyphs rest = glyphsOf(std::string_view(text).substr(start, end - start), cs);
    start = end + 1;
    for (;;) {
      if (static_cast<int>(lines.size()) == max_lines) {
        cut = true;
        break;
      }
      if (max_lines == 1 || rest.size() <= w) {
        lines.push_back(fit(rest, w, false, cs));
        break;
      }
      size_t brk = w;
      while (brk > 0 && rest[brk] != " ") --brk;
      if (brk == 0) brk = rest[w].empty() && w > 1 ? w - 1 : w;
      lines.push_back(head(rest, brk));
      while (brk < rest.size() && (rest[brk] == " " || rest[brk].empty())) ++brk;
      rest.erase(rest.begin(), rest.begin() + brk);
      if (rest.empty()) break;
    }
  }
  if (cut && !lines.empty()) {
    Glyphs& last = lines.back();
    last = head(last, w - 1);
    last.emplace_back(cs.ellipsis);
  }
  return lines;
}

struct Rect {
  int x0, y0, x1, y1;  // cells [x0, x1) x [y0, y1)
  int width() const { return x1 - x0; }
  int height() const { return y1 - y0; }
  /// The row a one-line widget's text stands in.
  int middle() const { return y0 + (height() - 1) / 2; }
  Rect intersect(const Rect& o) const {
    return {std::max(x0, o.x0), std::max(y0, o.y0), std::min(x1, o.x1),
            std::min(y1, o.y1)};
  }
};

/// Scales pixels to cells.
class Scale {
 public:
  Scale(int width, int rows) : width_(width), rows_(rows) {}
  Rect cells(ePoint pos, eSize size) const {
    Rect r{col(pos.x), row(pos.y), col(pos.x + size.width()),
           row(pos.y + size.height())};
    r.x1 = std::max(r.x1, r.x0 + 1);
    r.y1 = std::max(r.y1, r.y0 + 1);
    return r;
  }

 private:
  static int scaled(long long px, int cells, int span) {
    long long v = px * cells;
    return static_cast<int>(v >= 0 ? v / span : -((-v + span - 1) / span));
  }
  int col(int px) const { return scaled(px, width_, kScreenWidthPx); }
  int row(int px) const { return scaled(px, rows_, kScreenHeightPx); }
  int width_, rows_;
};

/// Draws into a screen, clipped to one rectangle.
class Painter {
 public:
  Painter(Screen& screen, Rect clip) : screen_(screen), clip_(clip) {}

  bool inside(int x, int y) const {
    return x >= clip_.x0 && x < clip_.x1 && y >= clip_.y0 && y < clip_.y1;
  }
  void put(int x, int y, const std::string& glyph, Paint paint, bool focus) {
    if (inside(x, y)) screen_.put(x, y, glyph, paint, focus);
  }
  void fill(const Rect& r, Paint paint, bool focus = false) {
    for (int y = r.y0; y < r.y1; ++y) {
      for (int x = r.x0; x < r.x1; ++x) put(x, y, " ", paint, focus);
    }
  }
  /// Writes `glyphs` from (x, y); a wide character whose halves are not
  /// both inside is drawn as a blank.
  void text(int x, int y, const Glyphs& glyphs, Paint paint, bool focus) {
    for (size_t i = 0; i < glyphs.size(); ++i, ++x) {
      bool lead = i + 1 < glyphs.size() && glyphs[i + 1].empty();
      bool whole = glyphs[i].empty() ? inside(x - 1, y) && i > 0
                                     : !lead || inside(x + 1, y);
      put(x, y, whole ? glyphs[i] : " ", paint, focus);
    }
  }

 private:
  Screen& screen_;
  Rect clip_;
};

Paint paintOfKey(const eString& key) {
  if (key == "red") return Paint::kRed;
  if (key == "green") return Paint::kGreen;
  if (key == "yellow") return Paint::kYellow;
  if (key == "blue") return Paint::kBlue;
  return Paint::kButton;
}

/// Draws one window: its frame and title, its widgets, and, when it is the
/// active window, the focus mark.
class WindowPainter {
 public:
  WindowPainter(Screen& screen, const Scale& scale, const Rect& area,
                const Charset& cs)
      : screen_(screen), scale_(scale), area_(area), cs_(cs) {}

  void draw(const eWidget& window, const eWidget* focus) {
    focus_ = focus;
    const auto* box = dynamic_cast<const eMessageBox*>(&window);
    eSize size = window.getSize();
    ePoint origin = box ? ePoint((kScreenWidthPx - size.width()) / 2,
                                 (kScreenHeightPx - size.height()) / 2)
                        : window.getPosition();
    Rect client = scale_.cells(origin, size);
    drawFrame(client, window.getText(), box ? box->getFlags() : 0);
    Painter inside(screen_, client.intersect(area_));
    drawChildren(inside, window, origin);
  }

 private:
  void drawFrame(const Rect& c, const eString& title, int box_flags) {
    Painter p(screen_, area_);
    Rect frame{c.x0 - 1, c.y0 - 1, c.x1 + 1, c.y1 + 1};
    p.fill(frame, Paint::kWindow);
    const char* const* f = cs_.frame;
    for (int x = frame.x0 + 1; x < frame.x1 - 1; ++x) {
      p.put(x, frame.y0, f[4], Paint::kWindow, false);
      p.put(x, frame.y1 - 1, f[4], Paint::kWindow, false);
    }
    for (int y = frame.y0 + 1; y < frame.y1 - 1; ++y) {
      p.put(frame.x0, y, f[5], Paint::kWindow, false);
      p.put(frame.x1 - 1, y, f[5], Paint::kWindow, false);
    }
    p.put(frame.x0, frame.y0, f[0], Paint::kWindow, false);
    p.put(frame.x1 - 1, frame.y0, f[1], Paint::kWindow, false);
    p.put(frame.x0, frame.y1 - 1, f[2], Paint::kWindow, false);
    p.put(frame.x1 - 1, frame.y1 - 1, f[3], Paint::kWindow, false);

    // The title stands in the top edge, after the message box's icon.
    Painter top(screen_, Rect{c.x0, frame.y0, c.x1, frame.y0 + 1}.intersect(area_));
    int x = c.x0;
    top.put(x++, frame.y0, " ", Paint::kTitle, false);
    if (const auto* icon = iconOf(box_flags)) {
      top.text(x, frame.y0, glyphsOf(icon->text, cs_), icon->paint, false);
      top.put(x + 3, frame.y0, " ", Paint::kTitle, false);
      x += 4;
    }
    Glyphs text = glyphsOf(std::string(title) + " ", cs_);
    top.text(x, frame.y0, fit(text, c.x1 - x, false, cs_), Paint::kTitle, false);
  }

  struct Icon {
    const char* text;
    Paint paint;
  };
  static const Icon* iconOf(int flags) {
    static const Icon kInfo{"(i)", Paint::kBlue}, kWarning{"(!)", Paint::kYellow},
        kQuestion{"(?)", Paint::kBlue}, kError{"(X)", Paint::kRed};
    if (flags & eMessageBox::iconError) return &kError;
    if (flags & eMessageBox::iconWarning) return &kWarning;
    if (flags & eMessageBox::iconQuestion) return &kQuestion;
    if (flags & eMessageBox::iconInfo) return &kInfo;
    return nullptr;
  }

  void drawChildren(Painter& p, const eWidget& parent, ePoint origin) {
    for (const eWidget* child : parent.getChildren()) {
      if (!child->isVisible()) continue;
      ePoint pos(origin.x + child->getPosition().x,
                 origin.y + child->getPosition().y);
      drawWidget(p, *child, scale_.cells(pos, child->getSize()));
      drawChildren(p, *child, pos);
    }
  }

  void drawWidget(Painter& p, const eWidget& w, const Rect& r) {
    const bool focused = &w == focus_;
    int mark_row = r.middle();
    if (const auto* list = dynamic_cast<const eListBoxBase*>(&w)) {
      mark_row = drawList(p, *list, r, focused);
    } else if (const auto* combo = dynamic_cast<const eComboBox*>(&w)) {
      eListBoxEntryText* current = combo->getCurrent();
      p.fill({r.x0, mark_row, r.x1, mark_row + 1}, Paint::kField, focused);
      Glyphs text = glyphsOf(current ? current->getText() : eString(), cs_);
      p.text(r.x0, mark_row, fit(text, r.width() - 2, false, cs_), Paint::kField,
             focused);
      p.put(r.x1 - 1, mark_row, cs_.arrow_down, Paint::kField, focused);
    } else if (const auto* box = dynamic_cast<const eCheckbox*>(&w)) {
      std::string text = box->isChecked() ? "[x]" : "[ ]";
      p.text(r.x0, mark_row, glyphsOf(text, cs_), Paint::kWindow, focused);
      if (!w.getText().empty()) {
        p.text(r.x0 + 4, mark_row, fit(glyphsOf(w.getText(), cs_), r.width() - 4,
                                       false, cs_),
               Paint::kWindow, false);
      }
    } else if (dynamic_cast<const eTextInputField*>(&w)) {
      drawField(p, w, r, focused);
    } else if (const auto* button = dynamic_cast<const eButton*>(&w)) {
      Paint paint = paintOfKey(button->getShortcut());
      p.fill({r.x0, mark_row, r.x1, mark_row + 1}, paint, focused);
      Glyphs text = fit(glyphsOf(w.getText(), cs_), r.width(), false, cs_);
      int x = r.x0 + (r.width() - static_cast<int>(text.size())) / 2;
      p.text(x, mark_row, text, paint, focused);
    } else {
      drawLabel(p, w, r);
    }
    if (focused) p.put(r.x0 - 1, mark_row, ">", Paint::kWindow, false);
  }

  /// Returns the row of the highlighted entry.
  int drawList(Painter& p, const eListBoxBase& list, const Rect& r,
               bool focused) {
    const int rows = r.height();
    const int count = list.getCount();
    const int current = list.getCurrentIndex();
    // Page by page, so that the entries stay put while the highlight moves
    // within a page.
    const int first = current > 0 ? current / rows * rows : 0;
    const bool more_above = first > 0;
    const bool more_below = first + rows < count;
    const int text_width = r.width() - (more_above || more_below ? 1 : 0);
    int mark_row = r.y0;
    for (int i = first; i < count && i < first + rows; ++i) {
      const int y = r.y0 + i - first;
      const bool lit = i == current;
      const Paint paint = lit ? Paint::kHighlight : Paint::kWindow;
      p.fill({r.x0, y, r.x1, y + 1}, paint, lit && focused);
      Glyphs text = glyphsOf(list.getEntries()[i]->getText(), cs_);
      p.text(r.x0, y, fit(text, text_width, false, cs_), paint, lit && focused);
      if (lit) mark_row = y;
    }
    if (more_above) p.put(r.x1 - 1, r.y0, cs_.arrow_up, Paint::kWindow, false);
    if (more_below) {
      p.put(r.x1 - 1, r.y1 - 1, cs_.arrow_down, Paint::kWindow, false);
    }
    return mark_row;
  }

  void drawField(Painter& p, const eWidget& w, const Rect& r, bool focused) {
    const int y = r.middle();
    p.fill({r.x0, y, r.x1, y + 1}, Paint::kField, focused);
    // A focused field keeps a cell free for the cursor after the text.
    Glyphs text = fit(glyphsOf(w.getText(), cs_), r.width() - (focused ? 1 : 0),
                      focused, cs_);
    p.text(r.x0, y, text, Paint::kField, focused);
    const int cursor = r.x0 + static_cast<int>(text.size());
    if (focused && p.inside(cursor, y)) screen_.setCursor(cursor, y);
  }

  void drawLabel(Painter& p, const eWidget& w, const Rect& r) {
    const eString align = w.getProperty("align");
    std::vector<Glyphs> lines = wrap(w.getText(), r.width(), r.height(), cs_);
    int y = r.y0 + (r.height() - static_cast<int>(lines.size())) / 2;
    for (const Glyphs& line : lines) {
      int room = r.width() - static_cast<int>(line.size());
      int x = align == "right"    ? r.x0 + room
              : align == "center" ? r.x0 + room / 2
                                  : r.x0;
      p.text(x, y++, line, Paint::kWindow, false);
    }
  }

  Screen& screen_;
  const Scale& scale_;
  Rect area_;
  const Charset& cs_;
  const eWidget* focus_ = nullptr;
};

/// The key legend: what each terminal key does, with the coloured keys in
/// their colours. While a text field has the focus, letters are typed into
/// it, so only the function keys press the coloured buttons.
void drawLegend(Screen& screen, bool typing, const Charset& cs) {
  const std::pair<std::string, Paint> kParts[] = {
      {std::string(" ") + cs.moves + " move  Enter ok  Esc exit  ", Paint::kStatus},
      {typing ? "F1 red" : "F1/r red", Paint::kRed},
      {" ", Paint::kStatus},
      {typing ? "F2 green" : "F2/g green", Paint::kGreen},
      {" ", Paint::kStatus},
      {typing ? "F3 yellow" : "F3/y yellow", Paint::kYellow},
      {" ", Paint::kStatus},
      {typing ? "F4 blue" : "F4/b blue", Paint::kBlue},
      {typing ? "  type to edit, Backspace deletes" : "  0-9 digits",
       Paint::kStatus},
  };
  const int y = screen.height() - 1;
  Painter p(screen, {0, y, screen.width(), y + 1});
  p.fill({0, y, screen.width(), y + 1}, Paint::kStatus);
  int x = 0;
  for (const auto& [text, paint] : kParts) {
    Glyphs glyphs = glyphsOf(text, cs);
    p.text(x, y, glyphs, paint, false);
    x += static_cast<int>(glyphs.size());
  }
}

}  // namespace

Screen::Screen(int width, int height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      cells_(static_cast<size_t>(width_) * height_) {}

void Screen::put(int x, int y, const std::string& glyph, Paint paint,
                 bool focus) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  Cell& cell = cells_[y * width_ + x];
  // Overwriting half of a wide character leaves the other half alone.
  if (cell.glyph.empty() && x > 0) cells_[y * width_ + x - 1].glyph = " ";
  if (x + 1 < width_ && cells_[y * width_ + x + 1].glyph.empty() &&
      !glyph.empty()) {
    cells_[y * width_ + x + 1].glyph = " ";
  }
  cell = Cell{glyph, paint, focus};
}

void Screen::setCursor(int x, int y) {
  cursor_x_ = x;
  cursor_y_ = y;
}

std::string Screen::line(int y) const {
  std::string text;
  for (int x = 0; x < width_; ++x) text += at(x, y).glyph;
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

std::string Screen::toString() const {
  std::string text;
  for (int y = 0; y < height_; ++y) text += line(y) + "\n";
  return text;
}

Screen drawScreen(const std::vector<eWidget*>& windows, const eWidget* active,
                  int width, int height, bool unicode) {
  const Charset& cs = unicode ? kUnicode : kAscii;
  Screen screen(width, height);
  if (screen.width() == 0 || screen.height() == 0) return screen;
  const int rows = screen.height() - 1;
  const Scale scale(screen.width(), rows);
  const Rect area{0, 0, screen.width(), rows};
  std::vector<const eWidget*> shown(windows.begin(), windows.end());
  // A window whose loop waits is drawn even if the plugin never showed it:
  // otherwise the user could not see what the keys go to.
  if (active && std::find(shown.begin(), shown.end(), active) == shown.end()) {
    shown.push_back(active);
  }
  const eWidget* focus = active ? active->getFocus() : nullptr;
  if (focus && !focus->isVisible()) focus = nullptr;
  for (const eWidget* window : shown) {
    WindowPainter(screen, scale, area, cs)
        .draw(*window, window == active ? focus : nullptr);
  }
  drawLegend(screen, dynamic_cast<const eTextInputField*>(focus) != nullptr, cs);
  return screen;
}

}  // namespace standin
