#include "host/standin/screen.h"

#include <gtest/gtest.h>

#include "host/emessagebox.h"
#include "host/ewidget.h"

namespace standin {
namespace {

// 72 x 25 cells: one cell is 10 x 24 pixels, and the last row is the legend.
constexpr int kWidth = 72;
constexpr int kHeight = 25;

template <class W>
W* place(W* widget, int x, int y, int w, int h, const char* text = "") {
  widget->move(ePoint(x, y));
  widget->resize(eSize(w, h));
  widget->setText(text);
  return widget;
}

/// Rows `first` to `last` of `screen`, each ended by "\n".
std::string rows(const Screen& screen, int first, int last) {
  std::string text;
  for (int y = first; y <= last; ++y) text += screen.line(y) + "\n";
  return text;
}

struct Dialog {
  eWindow window{1};
  eLabel* label = place(new eLabel(&window), 0, 0, 100, 24, "Path:");
  eCheckbox* box = place(new eCheckbox(&window, 1), 10, 48, 30, 24);
  eTextInputField* field =
      place(new eTextInputField(&window), 60, 48, 200, 24, "/hdd/movie");
  eButton* cancel = place(new eButton(&window), 10, 144, 100, 24, "cancel");
  eButton* ok = place(new eButton(&window), 290, 144, 100, 24, "OK");
  Dialog() {
    window.setText("Dialog");
    window.cmove(ePoint(100, 96));
    window.cresize(eSize(400, 192));
    label->setProperty("align", "right");
    cancel->setShortcut("red");
    ok->setShortcut("green");
  }
};

TEST(ScreenTest, WindowAndWidgetsStandAtTheirScaledPlaces) {
  Dialog d;
  Screen s = drawScreen({&d.window}, &d.window, kWidth, kHeight, true);
  EXPECT_EQ(rows(s, 3, 12),
            "         ┌ Dialog ────────────────────────────────┐\n"
            "         │     Path:                              │\n"
            "         │                                        │\n"
            "         │>[x]  /hdd/movie                        │\n"
            "         │                                        │\n"
            "         │                                        │\n"
            "         │                                        │\n"
            "         │   cancel                        OK     │\n"
            "         │                                        │\n"
            "         └────────────────────────────────────────┘\n");
  EXPECT_EQ(s.line(0), "");
  EXPECT_EQ(s.at(11, 6).focus, true);  // the check box has the focus
  EXPECT_EQ(s.at(16, 6).focus, false);
  EXPECT_EQ(s.at(16, 6).paint, Paint::kField);
  EXPECT_EQ(s.at(12, 10).paint, Paint::kRed);
  EXPECT_EQ(s.at(40, 10).paint, Paint::kGreen);
  EXPECT_EQ(s.at(5, 5).paint, Paint::kScreen);
  EXPECT_EQ(s.at(30, 8).paint, Paint::kWindow);
  EXPECT_EQ(s.at(12, 3).paint, Paint::kTitle);
  EXPECT_EQ(s.cursor_x(), -1);
}

TEST(ScreenTest, FocusedFieldShowsItsEndAndTheCursor) {
  Dialog d;
  d.window.setFocus(d.field);
  d.field->setText("/hdd/movie/a/very/long/directory/name");
  Screen s = drawScreen({&d.window}, &d.window, kWidth, kHeight, true);
  EXPECT_EQ(s.line(6), "         │ [x] >…ong/directory/name               │");
  EXPECT_EQ(s.cursor_x(), 35);
  EXPECT_EQ(s.cursor_y(), 6);
  EXPECT_TRUE(s.at(20, 6).focus);

  d.window.setFocus(d.ok);  // unfocused: the start, cut with an ellipsis
  s = drawScreen({&d.window}, &d.window, kWidth, kHeight, true);
  EXPECT_EQ(s.line(6), "         │ [x]  /hdd/movie/a/very/l…              │");
  EXPECT_EQ(s.line(10), "         │   cancel                   >    OK     │");
  EXPECT_EQ(s.cursor_x(), -1);
}

TEST(ScreenTest, OnlyTheActiveWindowMarksItsFocus) {
  Dialog d;
  Screen s = drawScreen({&d.window}, nullptr, kWidth, kHeight, true);
  EXPECT_EQ(s.line(6), "         │ [x]  /hdd/movie                        │");
  EXPECT_FALSE(s.at(11, 6).focus);
}

TEST(ScreenTest, MessageBoxIsCentredWithIconTextAndButtons) {
  Dialog d;
  eMessageBox box("There exist some errors, rebuild recordings.epl anyway?",
                  "Warning", eMessageBox::btYes | eMessageBox::btNo |
                                 eMessageBox::iconWarning);
  Screen s = drawScreen({&d.window, &box}, &box, kWidth, kHeight, true);
  // 400 x 120 pixels centred: cells 16 to 55, rows 9 to 13.
  EXPECT_EQ(rows(s, 8, 14),
            "         │     ┌ (!) Warning ───────────────────────────┐\n"
            "         │     │ There exist some errors, rebuild       │\n"
            "         │   ca│ recordings.epl anyway?                 │\n"
            "         │     │                                        │\n"
            "         └─────│>   Yes         No                      │\n"
            "               │                                        │\n"
            "               └────────────────────────────────────────┘\n");
  EXPECT_EQ(s.at(17, 8).paint, Paint::kYellow);
  EXPECT_EQ(s.at(22, 8).paint, Paint::kTitle);
  EXPECT_EQ(s.at(17, 12).paint, Paint::kButton);
  EXPECT_TRUE(s.at(20, 12).focus);
  EXPECT_FALSE(s.at(32, 12).focus);
}

TEST(ScreenTest, IconsFollowTheBoxFlags) {
  const struct {
    int flags;
    const char* title;
    Paint paint;
  } kCases[] = {
      {eMessageBox::btOK | eMessageBox::iconInfo, "(i) About", Paint::kBlue},
      {eMessageBox::btOK | eMessageBox::iconError, "(X) About", Paint::kRed},
      {eMessageBox::btYes | eMessageBox::iconQuestion, "(?) About", Paint::kBlue},
      {eMessageBox::btOK, "About", Paint::kTitle},
  };
  for (const auto& c : kCases) {
    eMessageBox box("text", "About", c.flags);
    Screen s = drawScreen({&box}, &box, kWidth, kHeight, false);
    EXPECT_NE(s.line(8).find(c.title), std::string::npos)
        << c.flags << ": " << s.line(8);
    EXPECT_EQ(s.at(17, 8).paint, c.paint)
        << c.flags;
  }
}

TEST(ScreenTest, ListShowsThePageOfItsHighlight) {
  eWindow window(1);
  window.setText("/hdd");
  window.cmove(ePoint(100, 96));
  window.cresize(eSize(200, 192));
  auto* list = place(new eListBox<eListBoxEntryText>(&window), 10, 0, 190, 72);
  const char* kNames[] = {"..", "a", "b", "c", "d"};
  for (const char* name : kNames) new eListBoxEntryText(list, name);
  list->setCurrentIndex(1, false);
  Screen s = drawScreen({&window}, &window, kWidth, kHeight, true);
  EXPECT_EQ(rows(s, 4, 7),
            "         │ ..                 │\n"
            "         │>a                  │\n"
            "         │ b                 ▼│\n"
            "         │                    │\n");
  EXPECT_EQ(s.at(11, 5).paint, Paint::kHighlight);
  EXPECT_TRUE(s.at(15, 5).focus);
  EXPECT_EQ(s.at(11, 4).paint, Paint::kWindow);

  list->setCurrentIndex(4, false);  // the second page
  s = drawScreen({&window}, &window, kWidth, kHeight, true);
  EXPECT_EQ(rows(s, 4, 7),
            "         │ c                 ▲│\n"
            "         │>d                  │\n"
            "         │                    │\n"
            "         │                    │\n");
}

TEST(ScreenTest, ComboBoxShowsItsCurrentEntry) {
  eWindow window;
  window.cmove(ePoint(100, 96));
  window.cresize(eSize(300, 96));
  auto* combo = place(new eComboBox(&window, 2), 10, 24, 180, 24);
  new eListBoxEntryText(*combo, "sort by Name", reinterpret_cast<void*>(0));
  new eListBoxEntryText(*combo, "sort by Date", reinterpret_cast<void*>(1));
  combo->setCurrent(1);
  Screen s = drawScreen({&window}, &window, kWidth, kHeight, true);
  EXPECT_EQ(s.line(5), "         │>sort by Date     ▼           │");
  EXPECT_EQ(s.at(11, 5).paint, Paint::kField);
}

TEST(ScreenTest, LegendNamesTheKeysAndHowTypingWorks) {
  Dialog d;
  Screen s = drawScreen({&d.window}, &d.window, 100, kHeight, true);
  EXPECT_EQ(s.line(kHeight - 1),
            " ←↑↓→ move  Enter ok  Esc exit  F1/r red F2/g green F3/y yellow"
            " F4/b blue  0-9 digits");
  EXPECT_EQ(s.at(33, kHeight - 1).paint, Paint::kRed);
  EXPECT_EQ(s.at(0, kHeight - 1).paint, Paint::kStatus);

  d.window.setFocus(d.field);
  s = drawScreen({&d.window}, &d.window, 100, kHeight, false);
  EXPECT_EQ(s.line(kHeight - 1),
            " Arrows move  Enter ok  Esc exit  F1 red F2 green F3 yellow"
            " F4 blue  type to edit, Backspace deletes");
}

TEST(ScreenTest, TextsBecomeCells) {
  const struct {
    const char* text;
    bool unicode;
    const char* shown;
  } kCases[] = {
      {"München", true, "München"},
      {"Mu\xCC\x88nchen", true, "Mu\xCC\x88nchen"},  // the mark shares a cell
      {"\xCC\x88x", true, "x"},                       // a mark with no base
      {"Москва", true, "Москва"},
      {"M\xFCnchen", true, "M\xEF\xBF\xBDnchen"},  // Latin-1: no UTF-8
      {"\xED\xA0\x80!", true, "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD!"},
      {"a\tb\x7F" "c\xC2\x86", true, "a\xEF\xBF\xBD" "b\xEF\xBF\xBD" "c\xEF\xBF\xBD"},
      {"中文|", true, "中文|"},
      {"München", false, "M?nchen"},
      {"Mu\xCC\x88nchen", false, "Munchen"},
      {"\xFF", false, "?"},
  };
  for (const auto& c : kCases) {
    eWindow window;
    window.cmove(ePoint(100, 96));
    window.cresize(eSize(300, 24));
    place(new eLabel(&window), 0, 0, 300, 24, c.text);
    Screen s = drawScreen({&window}, nullptr, kWidth, kHeight, c.unicode);
    std::string line = s.line(4);
    line = line.substr(line.find(c.unicode ? "│" : "|") + (c.unicode ? 3 : 1));
    EXPECT_EQ(line.substr(0, line.rfind(c.unicode ? "│" : "|")).substr(
                  0, std::string(c.shown).size()),
              c.shown)
        << c.text;
  }
}

TEST(ScreenTest, WideCharacterCutAtAnEdgeIsBlanked) {
  eWindow window;
  window.cmove(ePoint(100, 96));
  window.cresize(eSize(50, 24));
  place(new eLabel(&window), 0, 0, 50, 24, "ab中文");  // 5 cells: 中 fits, 文 not
  Screen s = drawScreen({&window}, nullptr, kWidth, kHeight, true);
  EXPECT_EQ(s.line(4), "         │ab中…│");

  place(new eLabel(&window), 30, 0, 20, 24, "文");  // half over 中
  s = drawScreen({&window}, nullptr, kWidth, kHeight, true);
  EXPECT_EQ(s.line(4), "         │ab 文│");
}

TEST(ScreenTest, LabelsWrapBetweenWordsAndEndWithAnEllipsisWhenCut) {
  eWindow window;
  window.cmove(ePoint(100, 96));
  window.cresize(eSize(100, 48));
  auto* label = place(new eLabel(&window), 0, 0, 100, 48,
                      "Scan Error 1 in:\n/hdd/movie/archive");
  Screen s = drawScreen({&window}, nullptr, kWidth, kHeight, true);
  EXPECT_EQ(rows(s, 4, 5),
            "         │Scan Error│\n"
            "         │1 in:…    │\n");
  label->setText("x\n\nabcdefghijklmn");
  s = drawScreen({&window}, nullptr, kWidth, kHeight, true);
  EXPECT_EQ(rows(s, 4, 5),
            "         │x         │\n"
            "         │…         │\n");
}

TEST(ScreenTest, LaterWindowsCoverEarlierOnesAndHiddenOnesAreLeftOut) {
  Dialog d;
  eWindow top(1);
  top.setText("Top");
  top.cmove(ePoint(200, 120));
  top.cresize(eSize(100, 24));
  Screen s = drawScreen({&d.window, &top}, &top, kWidth, kHeight, false);
  EXPECT_EQ(s.line(4), "         |     Path+ Top -----+                   |");
  EXPECT_EQ(s.line(5), "         |         |          |                   |");

  d.ok->hide();
  s = drawScreen({&d.window}, &d.window, kWidth, kHeight, false);
  EXPECT_EQ(s.line(10), "         |   cancel                               |");

  // The waiting window is drawn even if it was never shown.
  s = drawScreen({}, &top, kWidth, kHeight, false);
  EXPECT_EQ(s.line(4), "                   + Top -----+");
}

TEST(ScreenTest, AnySizeIsDrawnWithoutOverrun) {
  Dialog d;
  eMessageBox box("text", "caption", eMessageBox::btOK);
  eWindow off;
  off.cmove(ePoint(-300, 500));
  off.cresize(eSize(2000, 2000));
  new eLabel(&off);
  const int kSizes[][2] = {{0, 0}, {1, 1}, {3, 2}, {10, 4}, {300, 100}};
  for (const auto& size : kSizes) {
    Screen s = drawScreen({&d.window, &off, &box}, &box, size[0], size[1], true);
    EXPECT_EQ(s.width(), size[0]);
    EXPECT_EQ(s.height(), size[1]);
  }
  EXPECT_EQ(drawScreen({&d.window}, nullptr, -5, -5, true).width(), 0);
}

}  // namespace
}  // namespace standin
