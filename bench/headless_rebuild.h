// The plugin's rebuild run as the green button starts it, on a generated
// tree, answered without a screen. The playlist and its backup, whose
// paths are fixed on the receiver, go into the tree's folder instead; the
// rows are the tree's real absolute paths.
#ifndef TESSAROLL_BENCH_HEADLESS_REBUILD_H_
#define TESSAROLL_BENCH_HEADLESS_REBUILD_H_

#include <cstdint>
#include <string>

namespace bench {

struct RebuildResult {
  bool activated = false;  // the run ended with the new playlist in place
  int64_t recordings = 0;
  uint64_t playlist_bytes = 0;
};

/// Where the run under `root` leaves its playlist.
std::string playlistPath(const std::string& root);

/// Rebuilds from the five rows of the tree under `root`, all in use with
/// subdirectories and both event texts, sorted by date or by name.
RebuildResult runRebuild(const std::string& root, bool by_date);

}  // namespace bench

#endif  // TESSAROLL_BENCH_HEADLESS_REBUILD_H_
