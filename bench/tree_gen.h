// A large recordings tree for the rebuild benchmark: five rows of nested
// directories holding ".ts" recordings with their event files and some
// ".mpg" recordings, modification times spread over years. The tree
// depends only on the number of recordings, and its largest directory is
// the same at every size from a few thousand recordings up, so figures of
// different sizes can be compared.
#ifndef TESSAROLL_BENCH_TREE_GEN_H_
#define TESSAROLL_BENCH_TREE_GEN_H_

#include <cstdint>
#include <string>

namespace bench {

constexpr int kRows = 5;

struct TreeShape {
  int64_t recordings = 0;
  int64_t directories = 0;
  int64_t largest_directory = 0;  // recordings in the fullest directory
};

/// The directory of row `row` (0 to 4) in a tree generated under `root`.
std::string rowPath(const std::string& root, int row);

/// Creates a tree of `recordings` recordings under `root`, an existing
/// empty directory. On failure (a full disk) `*err` says what failed; the
/// part already written stays.
bool generateTree(const std::string& root, int64_t recordings,
                  TreeShape* shape, std::string* err);

}  // namespace bench

#endif  // TESSAROLL_BENCH_TREE_GEN_H_
