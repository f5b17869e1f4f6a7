// The main window's keys, the directory browser and the additional names
// dialog, in the real host, checked through what is saved and shown.
#include <unistd.h>

#include <map>
#include <sstream>

#include <gtest/gtest.h>

#include "tests/support/host_run.h"
#include "tests/support/sandbox.h"
#include "tests/support/transcript.h"

namespace {

using Lines = std::vector<std::string>;

// "key=value" lines of the saved settings file.
std::map<std::string, std::string> savedSettings(const Sandbox& box) {
  std::map<std::string, std::string> values;
  std::istringstream in(box.read("/var/etc/tsr.conf"));
  for (std::string line; std::getline(in, line);) {
    const size_t eq = line.find('=');
    values.emplace(line.substr(0, eq), line.substr(eq + 1));
  }
  return values;
}

class DialogsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    box.write("/hdd/movie/recordings.epl", "  #NAME movie list\n");
    box.mkdir("/hdd/movie/sub");
    box.mkdir("/hdd/other");
    box.write("/hdd/file", "");
    box.symlink(box.real("/hdd/other"), "/hdd/link");
    box.symlink("/nowhere", "/hdd/dead");
    box.mkdir("/var/etc");
  }
  // Runs the plugin with `keys`, closes it with cancel and returns the
  // settings it saved.
  std::map<std::string, std::string> run(Lines keys) {
    keys.insert(keys.end(), {"red", "ok"});
    last = runHost(box.root(), keys);
    EXPECT_EQ(last.status, 0) << last.err;
    EXPECT_EQ(outline(last.events).back(), "return -1");
    return savedSettings(box);
  }
  Sandbox box;
  HostRun last;
};

TEST_F(DialogsTest, CursorKeysWalkTheRowTableAsAGrid) {
  auto saved = run({
      "left", "ok",              // 0 stays: use.0 off
      "right", "up", "ok",       // 1, up in the first row stays: sub.0 on
      "right", "right", "right", "right", "right", "ok",  // 5 wraps to 6
      "down", "down", "down", "ok",                       // 24: use.4 on
      "right", "right", "right", "down", "up", "ok",      // 27, 32, 29
      "left", "left", "left", "down", "up", "ok",         // 26, 30, 24
      "down", "right", "down",   // 30, 31: the sort box takes down
      "left", "up", "up", "right", "right", "right", "ok",  // 30, 24, 18, 21
  });
  EXPECT_EQ(saved["use.0"], "0");
  EXPECT_EQ(saved["sub.0"], "1");
  EXPECT_EQ(saved["use.1"], "1");
  EXPECT_EQ(saved["use.4"], "0");  // on, then off again from slot 24
  EXPECT_EQ(saved["dir.4"], "1");
  EXPECT_EQ(saved["eit1.3"], "1");
  EXPECT_EQ(saved["sortbydate"], "1");
}

TEST_F(DialogsTest, BrowserChoosesADirectoryForItsRow) {
  // Row 3 (slot 20) is empty: the browser starts at "/", where ".." is
  // not offered; ok enters "hdd", whose list is "..", link, movie, other.
  auto saved = run({"down", "down", "down", "right", "right", "ok",
                    "ok", "down", "down", "green"});
  EXPECT_EQ(outline(last.events)[1], "window /");
  EXPECT_EQ(saved["name.3"], "/hdd/movie");

  // Entering a directory does not choose it; the highlight does.
  ::unlink(box.real("/var/etc/tsr.conf").c_str());
  saved = run({"down", "down", "down", "right", "right", "ok",
               "ok", "down", "down", "ok", "down", "green"});
  EXPECT_EQ(saved["name.3"], "/hdd/movie/sub");

  // Links to directories are directories; broken links and files are
  // not listed.
  ::unlink(box.real("/var/etc/tsr.conf").c_str());
  saved = run({"down", "down", "down", "right", "right", "ok",
               "ok", "down", "green"});
  EXPECT_EQ(saved["name.3"], "/hdd/link");
}

TEST_F(DialogsTest, BrowserKeepsTheRowUnlessSaved) {
  box.write("/var/etc/tsr.conf", "name.0=/hdd/movie\n");
  const Lines open = {"right", "right", "ok"};
  struct Case {
    const char* what;
    Lines keys;
  } cases[] = {
      {"left with exit", {"down", "exit"}},
      {"save before any highlight", {"green"}},
      {"save hidden on ..", {"down", "up", "green", "exit"}},
  };
  for (const Case& c : cases) {
    Lines keys = open;
    keys.insert(keys.end(), c.keys.begin(), c.keys.end());
    EXPECT_EQ(run(keys)["name.0"], "/hdd/movie") << c.what;
    EXPECT_EQ(outline(last.events)[1], "window /hdd/movie") << c.what;
  }
}

TEST_F(DialogsTest, BrowserLeadsOutOfAVanishedDirectory) {
  // Only ".." is listed; it leads to "/", whose first entry is "hdd".
  box.write("/var/etc/tsr.conf", "name.0=/gone/away\n");
  auto saved = run({"right", "right", "ok", "ok", "ok", "down", "up", "green"});
  EXPECT_EQ(saved["name.0"], "/hdd");
}

TEST_F(DialogsTest, AdditionalNamesAreSavedOnlyWithSave) {
  box.write("/var/etc/tsr.conf", "use.0=1\nname.0=/hdd/movie\nnew.1=Old\nnew.2=Keep\n");
  box.write("/hdd/movie/a.ts", "");
  auto saved = run({"blue", "text:USB", "down", "text:", "green",
                    "blue", "text:lost", "exit"});
  EXPECT_EQ(outline(last.events)[1], "window Additional Directory Description");
  EXPECT_EQ(saved["new.0"], "USB");
  EXPECT_EQ(saved["new.1"], "");
  EXPECT_EQ(saved["new.2"], "Keep");

  // The next rebuild puts the name before the row's descriptions.
  last = runHost(box.root(), {"green", "ok", "ok"});
  EXPECT_NE(box.read("/hdd/movie/recordings.epl").find("#DESCRIPTION: [USB]a\n"),
            std::string::npos);
}

}  // namespace
