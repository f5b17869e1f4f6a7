#include "builder/scanner.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <sstream>

#include <gtest/gtest.h>

#include "builder/playlist.h"
#include "tests/support/sandbox.h"

namespace {

class ScannerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tscnt = 0;
    sortbydate = subflag = eit1flag = eit2flag = dirflag = false;
    nn = "";
    tslist.clear();
  }

  // Runs dirlist on `dir` into a fresh playlist and returns what it wrote.
  std::string scan(const std::string& dir, int expected_result = kScanOk) {
    auto out = box.fs().openForWrite("/out.epl");
    fp = out.get();
    EXPECT_EQ(dirlist(dir), expected_result) << dir;
    fp = nullptr;
    EXPECT_TRUE(out->close());
    EXPECT_TRUE(tslist.empty());
    return box.read("/out.epl");
  }

  // The descriptions of the records in `playlist`, in order.
  static std::vector<std::string> descriptions(const std::string& playlist) {
    std::vector<std::string> result;
    std::istringstream in(playlist);
    for (std::string line; std::getline(in, line);)
      if (line.rfind("#DESCRIPTION: ", 0) == 0) result.push_back(line.substr(14));
    return result;
  }

  static std::vector<std::string> paths(const std::string& playlist) {
    std::vector<std::string> result;
    std::istringstream in(playlist);
    for (std::string line; std::getline(in, line);)
      if (!line.empty() && line[0] == '/') result.push_back(line);
    return result;
  }

  Sandbox box;
};

TEST_F(ScannerTest, WritesFourLineRecords) {
  box.write("/hdd/movie/a_b.ts", "", 100);
  box.write("/hdd/movie/c.mpg", "", 100);
  EXPECT_EQ(scan("/hdd/movie"),
            "#SERVICE: 1:0:1:0:1:0:0:0:0:0:/hdd/movie/a_b.ts\n"
            "#DESCRIPTION: a b\n"
            "#TYPE 16385\n"
            "/hdd/movie/a_b.ts\n"
            "#SERVICE: 4096:0:1:0:1:0:0:0:0:0:/hdd/movie/c.mpg\n"
            "#DESCRIPTION: c\n"
            "#TYPE 16385\n"
            "/hdd/movie/c.mpg\n");
  EXPECT_EQ(tscnt, 2);
}

TEST_F(ScannerTest, DescribesFromTheEventFileOrTheName) {
  box.write("/m/news.eit", eitWithShortEvent("Evening News", "Weather"));
  box.write("/m/empty.eit", eitWithShortEvent("", ""));
  box.write("/m/cut.eit", eitWithShortEvent("", std::string("\x10\0\x02P", 4)));
  box.write("/m/de.eit", eitWithShortEvent("M\xC8unchen", "\x01\xBC\xDE"));
  box.write("/m/a.eit", eitWithShortEvent("from a.eit", ""));
  box.write("/m/.eit", eitWithShortEvent("hidden", ""));
  struct Case {
    const char* file;
    bool eit1, eit2;
    const char* description;
  } cases[] = {
      {"my_big_film.ts", false, false, "my big film"},
      {"news.ts", false, false, "news"},
      {"news.ts", true, false, "Evening News"},
      {"news.ts", false, true, "Weather"},
      {"news.ts", true, true, "Evening News - Weather"},
      {"empty.ts", true, true, "empty"},
      {"no_eit.ts", true, true, "no eit"},
      {"cut.ts", false, true, "cut"},  // the text reaches conversion as "\x10"
      {"de.ts", true, true, "M\xC3\xBCnchen - \xD0\x9C\xD0\xBE"},
      {"a.tsx.ts", true, false, "from a.eit"},
      {".ts", false, false, ""},
      {".ts", true, false, "hidden"},
      {".old.ts", false, false, ".old"},
      {"film.ts.mpg", true, true, "film.ts"},
      {"x_y.mpg", true, true, "x y"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    box.write(std::string("/m/") + c.file, "");
    eit1flag = c.eit1;
    eit2flag = c.eit2;
    tscnt = 0;
    EXPECT_EQ(descriptions(scan("/m")),
              std::vector<std::string>{c.description});
    EXPECT_EQ(tscnt, 1);
    ::unlink(box.real(std::string("/m/") + c.file).c_str());
  }
}

TEST_F(ScannerTest, OnlyTsAndMpgFilesAreRecordings) {
  box.mkdir("/m/x.ts");
  box.write("/m/film.TS", "");
  box.write("/m/film.MPG", "");
  box.write("/m/film.eit", "");
  box.write("/m/ts", "");
  box.write("/m/mpg", "");
  box.symlink("/nowhere", "/m/dead.ts");
  box.write("/m/two\nlines.ts", "");  // would split its record
  box.write("/m/new\nline/film.ts", "");
  subflag = true;
  EXPECT_EQ(scan("/m"), "");
  EXPECT_EQ(tscnt, 0);
}

TEST_F(ScannerTest, PrefixesDirectoryAndAdditionalName) {
  box.write("/hdd/movie/docs/film.ts", "");
  dirflag = true;
  nn = "USB";
  EXPECT_EQ(descriptions(scan("/hdd/movie/docs")),
            std::vector<std::string>{"[USB][docs]film"});
  nn = "";
  std::string playlist = scan("/hdd/movie/docs/");
  EXPECT_EQ(descriptions(playlist), std::vector<std::string>{"[]film"});
  EXPECT_EQ(paths(playlist),
            std::vector<std::string>{"/hdd/movie/docs//film.ts"});
}

TEST_F(ScannerTest, PathWithTsAnywhereIsATransportStream) {
  box.write("/hdd/movie/archive.tsv/film.mpg", "");
  EXPECT_EQ(scan("/hdd/movie/archive.tsv").substr(0, 31),
            "#SERVICE: 1:0:1:0:1:0:0:0:0:0:/");
}

TEST_F(ScannerTest, SortsByDescriptionBytes) {
  // Listing order is 1, 2, 3; description order must win.
  box.write("/m/1.ts", "");
  box.write("/m/1.eit", eitWithShortEvent("abc", ""));
  box.write("/m/2.ts", "");
  box.write("/m/2.eit", eitWithShortEvent("Abcd", ""));
  box.write("/m/3.ts", "");
  box.write("/m/3.eit", eitWithShortEvent("Abc", ""));
  box.write("/m/4.ts", "");
  box.write("/m/4.eit", eitWithShortEvent("\x15\xC3\x84rger", ""));
  eit1flag = true;
  EXPECT_EQ(descriptions(scan("/m")),
            (std::vector<std::string>{"Abc", "Abcd", "abc", "\xC3\x84rger"}));
}

TEST_F(ScannerTest, SortsByDateOldestFirstAndStable) {
  box.write("/m/a.ts", "", 300);
  box.write("/m/b.ts", "", 100);
  box.write("/m/c.mpg", "", 200);
  box.write("/m/d.ts", "", 100);
  sortbydate = true;
  EXPECT_EQ(descriptions(scan("/m")),
            (std::vector<std::string>{"b", "d", "c", "a"}));
}

TEST_F(ScannerTest, WalksSubdirectoriesDepthFirstAfterOwnRecordings) {
  box.write("/r/z.ts", "");
  box.write("/r/a/x.ts", "");
  box.write("/r/a/deep/y.ts", "");
  box.write("/r/b/w.ts", "");
  box.mkdir("/r/empty");
  dirflag = true;
  EXPECT_EQ(descriptions(scan("/r")), std::vector<std::string>{"[r]z"});
  subflag = true;
  EXPECT_EQ(descriptions(scan("/r")),
            (std::vector<std::string>{"[r]z", "[a]x", "[deep]y", "[b]w"}));
  EXPECT_EQ(paths(scan("/r")),
            (std::vector<std::string>{"/r/z.ts", "/r/a/x.ts", "/r/a/deep/y.ts",
                                      "/r/b/w.ts"}));
}

TEST_F(ScannerTest, ReportsWhyADirectoryCannotBeScanned) {
  struct FailingFs : fsys::FileSystemWrapper {
    using FileSystemWrapper::FileSystemWrapper;
    bool status(const std::string& p, fsys::FileStatus* st) override {
      return p != fail_status && FileSystemWrapper::status(p, st);
    }
    bool listDir(const std::string& p, std::vector<std::string>* n) override {
      return p != fail_list && FileSystemWrapper::listDir(p, n);
    }
    std::string fail_status, fail_list;
  } failing(box.fs());
  box.write("/r/first.ts", "");
  box.write("/r/a/in_a.ts", "");
  box.write("/r/b/in_b.ts", "");
  box.write("/r/c/in_c.ts", "");
  fsys::setFileSystem(&failing);
  subflag = true;

  EXPECT_EQ(scan("/missing", kScanCannotOpen), "");
  EXPECT_EQ(scan("", kScanCannotOpen), "");
  failing.fail_status = "/r";
  EXPECT_EQ(scan("/r", kScanCannotStat), "");
  failing.fail_status = "";
  failing.fail_list = "/r";
  EXPECT_EQ(scan("/r", kScanCannotList), "");

  // A subdirectory that cannot be listed ends the walk of the row, after
  // what was found before it has been written.
  failing.fail_list = "/r/b";
  EXPECT_EQ(descriptions(scan("/r", kScanCannotList)),
            (std::vector<std::string>{"first", "in a"}));
  fsys::setFileSystem(&box.fs());
}

TEST_F(ScannerTest, DoesNotFollowLinksRoundInCircles) {
  box.write("/r/x.ts", "");
  box.write("/r/a/y.ts", "");
  box.symlink(box.real("/r"), "/r/a/up");
  box.symlink(box.real("/r/a"), "/r/a/self");
  box.symlink(box.real("/r/a"), "/r/same");  // not a cycle: entered once
  subflag = true;
  EXPECT_EQ(paths(scan("/r")),
            (std::vector<std::string>{"/r/x.ts", "/r/a/y.ts", "/r/same/y.ts"}));
}

TEST_F(ScannerTest, SkipsWhatLiesBeyondThePathLimit) {
  // Build a chain of directories whose full path outgrows PATH_MAX, one
  // level at a time relative to the previous one.
  const std::string part(200, 'd');
  std::string path = "/deep";
  box.write(path + "/top.ts", "");
  int fd = ::open(box.real(path).c_str(), O_RDONLY | O_DIRECTORY);
  ASSERT_GE(fd, 0);
  for (int i = 0; i < PATH_MAX / 200 + 2; ++i) {
    ASSERT_EQ(::mkdirat(fd, part.c_str(), 0755), 0);
    int next = ::openat(fd, part.c_str(), O_RDONLY | O_DIRECTORY);
    ::close(::openat(next, "f.ts", O_CREAT | O_WRONLY, 0644));
    ::close(fd);
    fd = next;
  }
  ::close(fd);
  subflag = true;
  const std::string playlist = scan("/deep");
  const auto found = paths(playlist);
  ASSERT_GT(found.size(), 5u);
  EXPECT_EQ(found[0], "/deep/top.ts");
  for (const std::string& p : found)
    EXPECT_LT(box.root().size() + p.size(), size_t{PATH_MAX});
  // Too deep for the sandbox's own clean-up; rm walks it relatively.
  ASSERT_EQ(std::system(("rm -rf '" + box.real("/deep") + "'").c_str()), 0);
}

TEST(ScannerNames, LastDirectory) {
  EXPECT_EQ(getLastDir("/hdd/movie"), "movie");
  EXPECT_EQ(getLastDir("/hdd/movie/"), "");
  EXPECT_EQ(getLastDir("movie"), "movie");
  EXPECT_EQ(getLastDir("/"), "");
}

TEST(ScannerOrder, Comparators) {
  auto entry = [](int32_t t, const char* d) {
    return std::pair<int32_t, _tselem>(t, _tselem{d, ""});
  };
  EXPECT_TRUE(cmpint(entry(-5, ""), entry(3, "")));
  EXPECT_FALSE(cmpint(entry(3, ""), entry(3, "")));
  EXPECT_TRUE(cmpstr(entry(0, "Abc"), entry(0, "Abcd")));
  EXPECT_TRUE(cmpstr(entry(0, "Abcd"), entry(0, "abc")));
  EXPECT_TRUE(cmpstr(entry(0, "z"), entry(0, "\xC3\x84")));  // unsigned bytes
  EXPECT_FALSE(cmpstr(entry(0, "abc"), entry(0, "abc")));
}

}  // namespace
