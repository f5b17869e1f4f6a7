// The file-system work that no rebuild of the playlist can avoid, done
// with plain system calls and nothing else: list every directory, read the
// status of every entry once, read the first 4096 bytes of every event
// file, and write a file as long as the playlist. The rebuild's time is
// judged against this.
#ifndef TESSAROLL_BENCH_BASELINE_H_
#define TESSAROLL_BENCH_BASELINE_H_

#include <cstdint>
#include <string>
#include <vector>

namespace bench {

/// What the walk met; the recordings are counted by their names alone.
struct BaselineCounts {
  int64_t directories = 0;
  int64_t entries = 0;  // "." and ".." not included
  int64_t recordings = 0;
  int64_t event_files = 0;
  int64_t largest_directory = 0;  // recordings in the fullest directory
};

/// Walks each of `roots` with all its subdirectories, then writes
/// `output_bytes` bytes to `output`. False when any of it failed.
bool runBaseline(const std::vector<std::string>& roots,
                 const std::string& output, uint64_t output_bytes,
                 BaselineCounts* counts);

}  // namespace bench

#endif  // TESSAROLL_BENCH_BASELINE_H_
