#include "builder/rebuild.h"

#include <gtest/gtest.h>

#include "builder/state.h"
#include "host/standin/testing.h"
#include "tests/support/sandbox.h"
#include "tests/support/transcript.h"

namespace {

const char kOldList[] = "  #NAME movie list\nold\n";
const char kHeader[] = "  #NAME movie list\n";

class RebuildTest : public ::testing::Test {
 protected:
  void SetUp() override {
    box.write("/hdd/movie/recordings.epl", kOldList);
    box.write("/hdd/movie/a.ts", "", 200);
    box.write("/hdd/movie/b_c.mpg", "", 100);
    box.write("/hdd/more/x.ts", "", 300);
    box.write("/hdd/more/y.ts", "", 300);
    box.write("/hdd/more/z.ts", "", 300);
  }

  // Runs a rebuild answering message boxes with `keys`; true when the run
  // asked to close the window.
  bool run(const std::vector<std::string>& keys,
           const eString& sort = "sort by Name") {
    standin::HeadlessSession session(keys);
    int closes = 0;
    rebuildRun(rows, sort, [&] { ++closes; });
    events = session.events();
    EXPECT_EQ(session.keysLeft(), 0u);
    EXPECT_EQ(fp, nullptr);
    EXPECT_LE(closes, 1);
    return closes == 1;
  }

  ScanRow row(const char* dir) {
    ScanRow r;
    r.use = true;
    r.name = dir;
    return r;
  }

  Sandbox box;
  ScanRows rows;
  nlohmann::json events;
};

TEST_F(RebuildTest, ASuccessfulRunActivatesTheNewList) {
  rows[0] = row("/hdd/movie");
  rows[2] = row("/hdd/more");
  rows[2].newname = "USB";
  rows[3].name = "/hdd/unused";
  EXPECT_TRUE(run({"ok"}, "sort by Date"));
  EXPECT_EQ(outline(events),
            (std::vector<std::string>{"lock", "messagebox Tessaroll 16", "unlock",
                                      "reload", "messagebox Information 17",
                                      "answer Information 1"}));
  EXPECT_EQ(boxTexts(events), (std::vector<std::string>{
                               "scanning directorys...",
                               "5 TS/MPG-Files detected...\n"
                               "New recordings.epl is builded and activated!"}));
  EXPECT_EQ(box.read("/hdd/movie/recordings.epl"),
            kHeader + playlistRecord("/hdd/movie/b_c.mpg", "b c") +
                playlistRecord("/hdd/movie/a.ts", "a") +
                playlistRecord("/hdd/more/x.ts", "[USB]x") +
                playlistRecord("/hdd/more/y.ts", "[USB]y") +
                playlistRecord("/hdd/more/z.ts", "[USB]z"));
  EXPECT_EQ(box.read("/hdd/movie/recordings.epl.bak"), kOldList);
  EXPECT_EQ(tscnt, 5);

  // The next run keeps this list as its backup.
  const std::string first = box.read("/hdd/movie/recordings.epl");
  rows[2].use = false;
  EXPECT_TRUE(run({"ok"}));
  EXPECT_EQ(box.read("/hdd/movie/recordings.epl.bak"), first);
}

TEST_F(RebuildTest, NothingFoundRestoresThePreviousList) {
  rows[0].name = "/hdd/movie";  // not in use
  struct Spy : fsys::FileSystemWrapper {
    using FileSystemWrapper::FileSystemWrapper;
    bool remove(const std::string& p) override {
      during_run = read(p);
      return FileSystemWrapper::remove(p);
    }
    std::string read(const std::string& p) {
      std::string data;
      readFile(p, 1000, &data);
      return data;
    }
    std::string during_run;
  } spy(box.fs());
  fsys::setFileSystem(&spy);
  EXPECT_FALSE(run({"ok"}));
  fsys::setFileSystem(&box.fs());
  EXPECT_EQ(spy.during_run, kHeader);
  EXPECT_EQ(outline(events),
            (std::vector<std::string>{"lock", "messagebox Tessaroll 16", "unlock",
                                      "messagebox Warning 33", "answer Warning 1"}));
  EXPECT_EQ(boxTexts(events)[1], "No TS/MPG-Files found!\nrecordings.epl is not builded");
  EXPECT_EQ(box.read("/hdd/movie/recordings.epl"), kOldList);
  EXPECT_FALSE(box.exists("/hdd/movie/recordings.epl.bak"));
}

TEST_F(RebuildTest, ScanErrorsAreReportedAndTheUserDecides) {
  rows[0] = row("/hdd/missing");
  rows[1] = row("");
  rows[2] = row("/hdd/more");
  const std::vector<std::string> boxes = {
      "lock",    "messagebox Tessaroll 16", "unlock", "messagebox Error! 129",
      "answer Error! 1", "lock", "unlock",  "messagebox Error! 129",
      "answer Error! 1", "lock", "unlock",  "messagebox Warning 44"};

  // Yes: the list is kept, with what could be scanned.
  EXPECT_TRUE(run({"ok", "ok", "ok", "ok"}));
  auto expected = boxes;
  expected.insert(expected.end(), {"answer Warning 4", "reload",
                                   "messagebox Information 17",
                                   "answer Information 1"});
  EXPECT_EQ(outline(events), expected);
  EXPECT_EQ(boxTexts(events)[1], "Scan Error 1 in:\n/hdd/missing");
  EXPECT_EQ(boxTexts(events)[2], "Scan Error 1 in:\n");
  EXPECT_EQ(boxTexts(events)[3], "There exist some errors, rebuild recordings.epl anyway?");
  EXPECT_EQ(boxTexts(events)[4], "3 TS/MPG-Files detected...\n"
                              "New recordings.epl is builded and activated!");

  // No, or leaving the question: the previous list comes back.
  box.write("/hdd/movie/recordings.epl", kOldList);
  for (auto answer : {std::vector<std::string>{"right", "ok"},
                      std::vector<std::string>{"exit"}}) {
    std::vector<std::string> keys = {"ok", "ok"};
    keys.insert(keys.end(), answer.begin(), answer.end());
    EXPECT_FALSE(run(keys));
    EXPECT_EQ(outline(events).size(), boxes.size() + 1);
    EXPECT_EQ(box.read("/hdd/movie/recordings.epl"), kOldList);
    EXPECT_FALSE(box.exists("/hdd/movie/recordings.epl.bak"));
  }
}

// Fails the chosen calls of the file layer.
struct FaultyFs : fsys::FileSystemWrapper {
  using FileSystemWrapper::FileSystemWrapper;

  struct FullDisk : fsys::WritableFile {
    explicit FullDisk(std::unique_ptr<fsys::WritableFile> f) : file(std::move(f)) {}
    bool append(std::string_view data) override {
      ok = ok && file->append(data.substr(0, 40));
      ok = ok && data.size() <= 40;
      return ok;
    }
    bool sync() override { return ok && file->sync(); }
    bool close() override { return file->close() && ok; }
    std::unique_ptr<fsys::WritableFile> file;
    bool ok = true;
  };

  std::unique_ptr<fsys::WritableFile> openForWrite(const std::string& p) override {
    if (fail_open) return nullptr;
    auto f = FileSystemWrapper::openForWrite(p);
    if (full_disk && f) return std::make_unique<FullDisk>(std::move(f));
    return f;
  }
  bool rename(const std::string& a, const std::string& b) override {
    if (a == fail_rename_from) return false;
    return FileSystemWrapper::rename(a, b);
  }
  bool fail_open = false, full_disk = false;
  std::string fail_rename_from;
};

TEST_F(RebuildTest, TheOldListIsNeverLost) {
  rows[0] = row("/hdd/movie");
  FaultyFs faulty(box.fs());
  fsys::setFileSystem(&faulty);

  // It cannot be moved aside: it is not touched at all.
  faulty.fail_rename_from = "/hdd/movie/recordings.epl";
  EXPECT_FALSE(run({"ok"}));
  EXPECT_EQ(outline(events), (std::vector<std::string>{
                                 "lock", "unlock", "messagebox Error! 129",
                                 "answer Error! 1"}));
  EXPECT_EQ(box.read("/hdd/movie/recordings.epl"), kOldList);
  faulty.fail_rename_from = "";

  // The new list cannot be created, or the disk fills up while it is
  // written: the old one comes back and the host is not told to reload.
  for (bool open_fails : {true, false}) {
    SCOPED_TRACE(open_fails ? "open fails" : "disk full");
    faulty.fail_open = open_fails;
    faulty.full_disk = !open_fails;
    EXPECT_FALSE(run({"ok"}));
    for (const std::string& line : outline(events)) EXPECT_NE(line, "reload");
    EXPECT_EQ(outline(events).back(), "answer Error! 1");
    EXPECT_EQ(box.read("/hdd/movie/recordings.epl"), kOldList);
    EXPECT_FALSE(box.exists("/hdd/movie/recordings.epl.bak"));
  }
  faulty.fail_open = faulty.full_disk = false;

  // The backup cannot be put back: the user is told where it is.
  faulty.fail_rename_from = "/hdd/movie/recordings.epl.bak";
  rows[0].use = false;
  EXPECT_FALSE(run({"ok", "ok"}));
  EXPECT_EQ(boxTexts(events).back(),
            "recordings.epl could not be restored!\n"
            "The previous list is kept in /hdd/movie/recordings.epl.bak");
  EXPECT_EQ(box.read("/hdd/movie/recordings.epl.bak"), kOldList);
  fsys::setFileSystem(&box.fs());
}

}  // namespace
