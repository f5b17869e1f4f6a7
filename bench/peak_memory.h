// Peak memory of one piece of work, measured in a fresh process so that
// nothing the measuring process holds (the timing runs, the generator)
// counts towards it.
#ifndef TESSAROLL_BENCH_PEAK_MEMORY_H_
#define TESSAROLL_BENCH_PEAK_MEMORY_H_

#include <string>
#include <vector>

namespace bench {

/// Runs this program again with `args` and returns the child's peak
/// resident set size in KiB; -1 when it could not be started or did not
/// exit with status 0.
long peakMemoryOfChild(const std::vector<std::string>& args);

}  // namespace bench

#endif  // TESSAROLL_BENCH_PEAK_MEMORY_H_
