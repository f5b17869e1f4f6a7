#include "host/standin/session.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "host/emessagebox.h"
#include "host/services.h"
#include "host/standin/testing.h"

namespace {

TEST(SessionDeathTest, KeysRunningOutEndTheProcessWithStatus3) {
  EXPECT_EXIT(
      {
        standin::HeadlessSession s({"right"});
        eMessageBox box("Sure?", "Question", 12, 1, 0);
        box.exec();
      },
      testing::ExitedWithCode(3), "keys ran out while \"Question\" waits");
  EXPECT_EXIT(
      {
        standin::setKeySource(nullptr);
        eWindow w(1);
        w.setText("Additional Directory Description");
        w.exec();
      },
      testing::ExitedWithCode(3),
      "\"Additional Directory Description\" waits for a key");
}

TEST(SessionDeathTest, TranscriptIsCompleteWhenKeysRunOut) {
  std::string path = testing::TempDir() + "tessaroll_session_transcript";
  std::remove(path.c_str());
  EXPECT_EXIT(
      {
        standin::ScriptedKeys keys;
        std::ofstream out(path);
        standin::setKeySource(&keys);
        standin::setTranscript(&out);
        eMessageBox box("Sure?", "Question", 12, 1, 0);
        box.show();
        box.exec();
      },
      testing::ExitedWithCode(3), "");
  std::ifstream in(path);
  std::string line;
  ASSERT_TRUE(std::getline(in, line));
  EXPECT_EQ(line, R"({"event":"messagebox","caption":"Question",)"
                  R"("text":"Sure?","flags":12})");
  std::remove(path.c_str());
}

TEST(SessionDeathTest, LockedInputHoldsKeysAndCannotBeWaitedOn) {
  eRCInput* input = eRCInput::getInstance();
  {
    standin::HeadlessSession s({"right", "ok"});
    input->lock();
    eMessageBox progress("scanning directorys...", "Tessaroll", 16, 1, 0);
    progress.show();
    progress.exec();
    progress.hide();
    input->unlock();
    EXPECT_EQ(s.keysLeft(), 2u);  // nothing taken, nothing lost
    EXPECT_EQ(eMessageBox("q", "Question", 12).exec(), eMessageBox::btNo);
    EXPECT_EQ(s.events().front(), nlohmann::json::parse(R"({"event":"lock"})"));
    EXPECT_EQ(s.events()[3], nlohmann::json::parse(R"({"event":"unlock"})"));
  }
  EXPECT_EXIT(
      {
        standin::HeadlessSession s({"ok"});
        input->lock();
        eMessageBox("Scan Error 1 in:\n/x", "Error!", 129).exec();
      },
      testing::ExitedWithCode(3), "input is locked while \"Error!\" waits");
}

TEST(SessionTest, ReloadIsReported) {
  standin::HeadlessSession s;
  eZapMain::getInstance()->loadRecordings(false);
  EXPECT_EQ(s.transcript(), "{\"event\":\"reload\"}\n");
}

TEST(SessionTest, SessionsNestAndRestore) {
  standin::HeadlessSession outer({"ok"});
  {
    standin::HeadlessSession inner({"right", "ok"});
    EXPECT_EQ(eMessageBox("q", "Question", 12).exec(), eMessageBox::btNo);
  }
  EXPECT_EQ(eMessageBox("q", "Question", 12).exec(), eMessageBox::btYes);
  EXPECT_EQ(outer.events().size(), 1u);  // only the outer box's answer
}

}  // namespace
