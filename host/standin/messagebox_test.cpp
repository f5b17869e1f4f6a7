#include "host/emessagebox.h"

#include <gtest/gtest.h>

#include "host/standin/testing.h"

namespace {

int run(int flags, const std::vector<std::string>& keys) {
  standin::HeadlessSession s(keys);
  eMessageBox box("text", "caption", flags, 1, 0);
  box.show();
  int result = box.exec();
  box.hide();
  return result;
}

TEST(MessageBoxTest, ButtonsStandInOrderAndOkPressesTheFocusedOne) {
  struct Case {
    int flags;
    std::vector<std::string> keys;
    int result;
  };
  const Case kCases[] = {
      {17, {"ok"}, eMessageBox::btOK},
      {129, {"ok"}, eMessageBox::btOK},
      {44, {"ok"}, eMessageBox::btYes},
      {44, {"right", "ok"}, eMessageBox::btNo},
      {44, {"right", "right", "ok"}, eMessageBox::btNo},  // stays on the last
      {44, {"right", "left", "ok"}, eMessageBox::btYes},
      {44, {"left", "ok"}, eMessageBox::btYes},
      {44, {"down", "up", "ok"}, eMessageBox::btYes},
      {1 | 4 | 8, {"right", "right", "ok"}, eMessageBox::btNo},
      {1 | 4 | 8, {"right", "ok"}, eMessageBox::btYes},
      {44, {"exit"}, -1},
      {17, {"exit"}, -1},
      {44, {"green", "red", "blue", "exit"}, -1},  // no shortcuts in a box
  };
  for (const Case& c : kCases) {
    std::string keys;
    for (const std::string& k : c.keys) keys += k + " ";
    EXPECT_EQ(run(c.flags, c.keys), c.result) << c.flags << ": " << keys;
  }
}

TEST(MessageBoxTest, ReportsShowAndAnswer) {
  standin::HeadlessSession s({"right", "ok"});
  {
    eMessageBox box("There exist some errors, rebuild recordings.epl anyway?",
                    "Warning", 44, 1, 0);
    box.show();
    EXPECT_EQ(box.exec(), 8);
    box.hide();
  }
  nlohmann::json expected = nlohmann::json::parse(R"([
    {"event":"messagebox","caption":"Warning",
     "text":"There exist some errors, rebuild recordings.epl anyway?",
     "flags":44},
    {"event":"answer","caption":"Warning","result":8}])");
  EXPECT_EQ(s.events(), expected);
}

TEST(MessageBoxTest, BoxWithoutButtonNeverWaits) {
  standin::HeadlessSession s({"ok"});
  eMessageBox progress("scanning directorys...", "Tessaroll", 16, 1, 0);
  progress.show();
  EXPECT_EQ(progress.exec(), -1);
  progress.hide();
  EXPECT_EQ(s.keysLeft(), 1u);
  EXPECT_EQ(s.events().size(), 2u);  // messagebox, answer
  EXPECT_EQ(s.events()[1]["result"], -1);
}

TEST(MessageBoxTest, NestedLoopTakesKeysBeforeItsOwner) {
  standin::HeadlessSession s({"ok", "ok", "ok"});
  eWindow main(0);
  main.setText("main");
  auto* button = new eButton(&main);
  int answer = 0;
  button->selected.connect([&] {
    eMessageBox box("Sure?", "Question", 12, 1, 0);
    box.show();
    answer = box.exec();
    box.hide();
    if (answer == eMessageBox::btYes) main.close(5);
  });
  main.show();
  EXPECT_EQ(main.exec(), 5);
  EXPECT_EQ(answer, eMessageBox::btYes);
  EXPECT_EQ(s.keysLeft(), 1u);
}

}  // namespace
