// Checks that the benchmark measures what it claims: the generated tree
// keeps its largest directory at every size, and the baseline and the
// real rebuild see the same recordings.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench/baseline.h"
#include "bench/headless_rebuild.h"
#include "bench/tree_gen.h"

namespace {

namespace stdfs = std::filesystem;

class TempDir {
 public:
  TempDir() {
    std::string tmpl = (stdfs::temp_directory_path() / "tessaroll-bench-XXXXXX").string();
    if (!::mkdtemp(tmpl.data())) std::abort();
    path_ = tmpl;
  }
  ~TempDir() {
    std::error_code ec;
    stdfs::remove_all(path_, ec);
  }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

int64_t countLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  int64_t lines = 0;
  for (std::string line; std::getline(in, line);) ++lines;
  return lines;
}

TEST(BenchTree, BaselineAndRebuildSeeEveryRecordingAtEverySize) {
  for (const int64_t n : {2500, 7000}) {
    SCOPED_TRACE(n);
    TempDir dir;
    bench::TreeShape shape;
    std::string err;
    ASSERT_TRUE(bench::generateTree(dir.path(), n, &shape, &err)) << err;
    EXPECT_EQ(shape.recordings, n);
    // The peak memory figures of different sizes compare only if this
    // does not change.
    EXPECT_EQ(shape.largest_directory, 200);

    std::vector<std::string> rows;
    for (int i = 0; i < bench::kRows; ++i) rows.push_back(bench::rowPath(dir.path(), i));
    bench::BaselineCounts counts;
    ASSERT_TRUE(bench::runBaseline(rows, dir.path() + "/out", 10, &counts));
    EXPECT_EQ(counts.recordings, n);
    EXPECT_EQ(counts.directories, shape.directories);
    EXPECT_EQ(counts.largest_directory, shape.largest_directory);
    // Every ".ts" has its event file; the rest are ".mpg".
    EXPECT_GT(counts.event_files, n / 2);
    EXPECT_LT(counts.event_files, n);
    EXPECT_EQ(counts.entries, n + counts.event_files + shape.directories - bench::kRows);
    EXPECT_EQ(stdfs::file_size(dir.path() + "/out"), 10u);

    for (const bool by_date : {false, true}) {
      const bench::RebuildResult r = bench::runRebuild(dir.path(), by_date);
      EXPECT_TRUE(r.activated);
      EXPECT_EQ(r.recordings, n);
      EXPECT_EQ(r.playlist_bytes, stdfs::file_size(bench::playlistPath(dir.path())));
      EXPECT_EQ(countLines(bench::playlistPath(dir.path())), 1 + 4 * n);
    }
  }
}

}  // namespace
