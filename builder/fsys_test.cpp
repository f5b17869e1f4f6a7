#include "builder/fsys.h"

#include <unistd.h>

#include <cstdint>

#include <gtest/gtest.h>

#include "tests/support/sandbox.h"

namespace {

TEST(FileSystem, ListsInByteOrderWhateverTheLocale) {
  Sandbox box;
  for (const char* name : {"b", "B", "_x", "a", "\xC3\x84", "Z.ts", "0"})
    box.write(std::string("/d/") + name, "");
  std::vector<std::string> names;
  ASSERT_TRUE(box.fs().listDir("/d", &names));
  EXPECT_EQ(names, (std::vector<std::string>{".", "..", "0", "B", "Z.ts", "_x",
                                             "a", "b", "\xC3\x84"}));
}

TEST(FileSystem, PutsTheRootOnlyBeforeAbsolutePaths) {
  Sandbox box;
  box.write("/hdd/movie/a.ts", "x", 1000);
  fsys::FileStatus st;
  ASSERT_TRUE(box.fs().status("/hdd/movie/a.ts", &st));
  EXPECT_FALSE(st.is_dir);
  EXPECT_EQ(st.mtime, 1000);
  EXPECT_TRUE(box.fs().canOpenDir("/hdd"));
  EXPECT_FALSE(box.fs().canOpenDir(""));
  EXPECT_FALSE(box.fs().canOpenDir("hdd"));  // relative: not inside the root

  ASSERT_TRUE(box.fs().rename("/hdd/movie/a.ts", "/hdd/b.ts"));
  EXPECT_TRUE(box.exists("/hdd/b.ts"));
  ASSERT_TRUE(box.fs().remove("/hdd/b.ts"));
  EXPECT_FALSE(box.exists("/hdd/b.ts"));
}

TEST(FileSystem, ReadsAtMostTheLimit) {
  Sandbox box;
  box.write("/f", std::string(5000, 'x'));
  std::string data;
  ASSERT_TRUE(box.fs().readFile("/f", 4096, &data));
  EXPECT_EQ(data.size(), 4096u);
  EXPECT_FALSE(box.fs().readFile("/missing", 4096, &data));
  EXPECT_FALSE(box.fs().canRead("/missing"));
}

// Reads go through a buffer of their own and stop at the file's end: every
// way a file can split against that buffer and the limit must come out
// whole and in order.
TEST(FileSystem, ReadsFilesWholeUpToTheLimit) {
  Sandbox box;
  for (const size_t size : {0, 10, 4095, 4096, 4097, 9000}) {
    std::string content;
    for (size_t i = 0; i < size; ++i) content += static_cast<char>('a' + i % 23);
    box.write("/f", content);
    for (const size_t max : {4096, 10000}) {
      std::string data = "stale";
      ASSERT_TRUE(box.fs().readFile("/f", max, &data)) << size << " " << max;
      EXPECT_EQ(data, content.substr(0, max)) << size << " " << max;
    }
  }
}

TEST(FileSystem, CloseReportsAFullDisk) {
  auto real = fsys::makeRealFileSystem("");
  auto file = real->openForWrite("/dev/full");
  ASSERT_TRUE(file);
  file->append("some text that stays in the buffer until the close\n");
  EXPECT_FALSE(file->close());
}

// A recording of several GiB, or one dated after January 2038, must not
// look unreadable on a 32-bit receiver: the scanner would leave it out.
TEST(FileSystem, ReadsTheStatusOfHugeAndLateFiles) {
  Sandbox box;
  const int64_t k2100 = 4102444800;  // 2100-01-01, past any 32-bit time
  box.write("/d/big.ts", "");
  ASSERT_EQ(::truncate(box.real("/d/big.ts").c_str(), int64_t{5} << 30), 0);
  box.write("/d/late.ts", "", k2100);

  fsys::FileStatus st;
  ASSERT_TRUE(box.fs().status("/d/big.ts", &st));
  EXPECT_FALSE(st.is_dir);
  ASSERT_TRUE(box.fs().status("/d/late.ts", &st));
  EXPECT_EQ(st.mtime, k2100);
  std::vector<std::string> names;
  ASSERT_TRUE(box.fs().listDir("/d", &names));
  EXPECT_EQ(names, (std::vector<std::string>{".", "..", "big.ts", "late.ts"}));
}

}  // namespace
