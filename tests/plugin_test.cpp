// The plugin in the real host, driven by key scripts: start, the main
// window, rebuilds and the settings file.
#include <unistd.h>

#include <map>

#include <gtest/gtest.h>

#include "tests/support/host_run.h"
#include "tests/support/sandbox.h"
#include "tests/support/transcript.h"

namespace {

using Lines = std::vector<std::string>;

const char kOldList[] = "  #NAME movie list\nold\n";

// The settings file as the plugin writes it: the defaults with `changes`
// applied key by key, then the sort line when `sort` is given.
std::string conf(const std::map<std::string, std::string>& changes,
                 const char* sort = nullptr) {
  std::string text;
  for (int i = 0; i < 5; ++i) {
    const std::string n = std::to_string(i);
    const std::pair<const char*, const char*> lines[] = {
        {"use.", i == 0 ? "1" : "0"}, {"sub.", "0"},
        {"name.", i == 0 ? "/hdd/movie" : ""}, {"eit1.", i == 0 ? "1" : "0"},
        {"eit2.", "0"}, {"dir.", "0"}, {"new.", ""}};
    for (const auto& [key, value] : lines) {
      auto it = changes.find(key + n);
      text += key + n + "=" + (it != changes.end() ? it->second : value) + "\n";
    }
  }
  if (sort) text += std::string("sortbydate=") + sort + "\n";
  return text;
}

class PluginTest : public ::testing::Test {
 protected:
  void SetUp() override {
    box.mkdir("/var/etc");
    box.write("/hdd/movie/recordings.epl", kOldList);
  }
  HostRun run(const Lines& keys) {
    HostRun r = runHost(box.root(), keys);
    EXPECT_EQ(r.status, 0) << r.err;
    return r;
  }
  std::string settings() const { return box.read("/var/etc/tsr.conf"); }

  Sandbox box;
};

const Lines kClosed = {"messagebox About 17", "answer About 1"};

Lines concat(std::initializer_list<Lines> parts) {
  Lines all;
  for (const Lines& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

TEST_F(PluginTest, WithoutAPlaylistItEndsAtOnce) {
  ::unlink(box.real("/hdd/movie/recordings.epl").c_str());
  HostRun r = run({"ok"});
  EXPECT_EQ(outline(r.events),
            (Lines{"messagebox Tessaroll 129", "answer Tessaroll 1", "return -1"}));
  EXPECT_EQ(boxTexts(r.events)[0],
            "/hdd/movie/recordings.epl not found!!\nterminating...");
  EXPECT_FALSE(box.exists("/var/etc/tsr.conf"));
}

TEST_F(PluginTest, FirstStartCreatesSettingsAndEveryCloseSavesThem) {
  // Cancel button, then the exit key: both close and save.
  HostRun r = run({"red", "ok"});
  EXPECT_EQ(outline(r.events), concat({{"window Tessaroll Builder"}, kClosed,
                                       {"return -1"}}));
  EXPECT_NE(boxTexts(r.events)[0].find("Tessaroll"), std::string::npos);
  EXPECT_EQ(settings(), conf({}, "0"));

  box.write("/var/etc/tsr.conf", conf({{"use.0", "0"}}));
  r = run({"exit", "ok"});
  EXPECT_EQ(outline(r.events).back(), "return 0");
  EXPECT_EQ(settings(), conf({{"use.0", "0"}}, "0"));
}

TEST_F(PluginTest, SettingsAreReadStrictly) {
  // "yes" is not "1"; a missing name or additional name stays empty;
  // a directory with "=" in it is kept whole.
  box.write("/var/etc/tsr.conf",
            "use.2=yes\nsub.2=1\nname.2=/hdd/a=b\ndir.2=1\nnew.2=USB\n"
            "name.3=/x\nsortbydate=1\n");
  run({"red", "ok"});
  EXPECT_EQ(settings(),
            conf({{"use.0", "0"}, {"name.0", ""}, {"eit1.0", "0"},
                  {"sub.2", "1"}, {"name.2", "/hdd/a=b"}, {"dir.2", "1"},
                  {"new.2", "USB"}, {"name.3", "/x"}},
                 "1"));
}

TEST_F(PluginTest, UnsavableSettingsAreReported) {
  // /var/etc is a file: nothing can be read or created there.
  ::rmdir(box.real("/var/etc").c_str());
  box.write("/var/etc", "");
  HostRun r = run({"red", "ok", "ok"});
  EXPECT_EQ(outline(r.events),
            concat({{"window Tessaroll Builder", "messagebox Error! 129",
                     "answer Error! 1"},
                    kClosed, {"return -1"}}));
  EXPECT_EQ(boxTexts(r.events)[0],
            "Settings could not be saved!\n/var/etc/tsr.conf is unchanged");
}

TEST_F(PluginTest, GreenRebuildsAndCloses) {
  box.write("/var/etc/tsr.conf",
            conf({{"eit2.0", "1"}, {"dir.0", "1"}, {"new.0", "HDD"},
                  {"use.1", "1"}, {"sub.1", "1"}, {"name.1", "/hdd/more"}}, "0"));
  box.write("/hdd/movie/news.ts", "", 100);
  box.write("/hdd/movie/news.eit", eitWithShortEvent("Evening News", "Weather"));
  box.write("/hdd/movie/my_film.mpg", "", 200);
  box.write("/hdd/more/b/x.ts", "", 100);
  box.write("/hdd/more/a/y.ts", "", 100);
  HostRun r = run({"green", "ok", "ok"});
  EXPECT_EQ(outline(r.events),
            concat({{"window Tessaroll Builder", "lock", "messagebox Tessaroll 16",
                     "unlock", "reload", "messagebox Information 17",
                     "answer Information 1"},
                    kClosed, {"return 0"}}));
  EXPECT_EQ(boxTexts(r.events)[1],
            "4 TS/MPG-Files detected...\nNew recordings.epl is builded and activated!");
  EXPECT_EQ(box.read("/hdd/movie/recordings.epl"),
            "  #NAME movie list\n" +
                playlistRecord("/hdd/movie/news.ts", "[HDD][movie]Evening News - Weather") +
                playlistRecord("/hdd/movie/my_film.mpg", "[HDD][movie]my film") +
                playlistRecord("/hdd/more/a/y.ts", "y") + playlistRecord("/hdd/more/b/x.ts", "x"));
  EXPECT_EQ(box.read("/hdd/movie/recordings.epl.bak"), kOldList);
}

TEST_F(PluginTest, NothingFoundKeepsTheWindowOpen) {
  HostRun r = run({"green", "ok", "exit", "ok"});
  EXPECT_EQ(outline(r.events),
            concat({{"window Tessaroll Builder", "lock", "messagebox Tessaroll 16",
                     "unlock", "messagebox Warning 33", "answer Warning 1"},
                    kClosed, {"return 0"}}));
  EXPECT_EQ(box.read("/hdd/movie/recordings.epl"), kOldList);
}

TEST_F(PluginTest, ScanErrorsAskBeforeActivating) {
  box.write("/var/etc/tsr.conf",
            conf({{"use.1", "1"}, {"name.1", "/hdd/none"}, {"use.2", "1"},
                  {"name.2", "/hdd/more"}}));
  for (const char* f : {"/hdd/more/1.ts", "/hdd/more/2.ts", "/hdd/more/3.mpg"})
    box.write(f, "");
  const Lines scan = {"window Tessaroll Builder", "lock", "messagebox Tessaroll 16",
                      "unlock", "messagebox Error! 129", "answer Error! 1",
                      "lock", "unlock", "messagebox Warning 44"};

  HostRun no = run({"green", "ok", "right", "ok", "exit", "ok"});
  EXPECT_EQ(outline(no.events),
            concat({scan, {"answer Warning 8"}, kClosed, {"return 0"}}));
  EXPECT_EQ(boxTexts(no.events)[1], "Scan Error 1 in:\n/hdd/none");
  EXPECT_EQ(box.read("/hdd/movie/recordings.epl"), kOldList);

  HostRun yes = run({"green", "ok", "ok", "ok", "ok"});
  EXPECT_EQ(outline(yes.events),
            concat({scan,
                    {"answer Warning 4", "reload", "messagebox Information 17",
                     "answer Information 1"},
                    kClosed, {"return 0"}}));
  EXPECT_EQ(boxTexts(yes.events)[3],
            "3 TS/MPG-Files detected...\nNew recordings.epl is builded and activated!");
  EXPECT_EQ(box.read("/hdd/movie/recordings.epl.bak"), kOldList);
}

}  // namespace
