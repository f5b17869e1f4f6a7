// tessaroll_bench: generates a recordings tree and measures the playlist
// rebuild on it against the file-system work it cannot avoid. bench/run.sh
// drives it; the commands are
//   tessaroll_bench generate DIR RECORDINGS
//   tessaroll_bench header
//   tessaroll_bench measure DIR REPETITIONS     one row of the table
//   tessaroll_bench once baseline|name|date DIR one run, for peak memory
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/baseline.h"
#include "bench/headless_rebuild.h"
#include "bench/peak_memory.h"
#include "bench/tree_gen.h"

namespace {

using bench::BaselineCounts;
using bench::RebuildResult;

std::vector<std::string> rows(const std::string& root) {
  std::vector<std::string> r;
  for (int i = 0; i < bench::kRows; ++i) r.push_back(bench::rowPath(root, i));
  return r;
}

std::string baselineOutput(const std::string& root) {
  return root + "/baseline.out";
}

// The baseline writes as many bytes as the last rebuild's playlist has.
uint64_t playlistBytes(const std::string& root) {
  struct stat st;
  if (::stat(bench::playlistPath(root).c_str(), &st) != 0) return 0;
  return static_cast<uint64_t>(st.st_size);
}

struct Sample {
  double wall = 0;  // seconds
  double cpu = 0;   // user and system seconds of this process
};

double cpuSeconds() {
  struct rusage u;
  ::getrusage(RUSAGE_SELF, &u);
  return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
         static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// The data the previous run wrote is pushed to the disk first, so that no
// run pays for the one before: the rebuild renames the last playlist over
// the backup, and the file system flushes a file renamed over another one.
// On a receiver the previous playlist is long written when a rebuild starts.
template <typename Work>
Sample timed(Work work) {
  ::sync();
  const double cpu0 = cpuSeconds();
  const auto t0 = std::chrono::steady_clock::now();
  work();
  const auto t1 = std::chrono::steady_clock::now();
  return {std::chrono::duration<double>(t1 - t0).count(), cpuSeconds() - cpu0};
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

bool fail(const std::string& message) {
  std::fprintf(stderr, "tessaroll_bench: %s\n", message.c_str());
  return false;
}

bool baseline(const std::string& root, BaselineCounts* counts) {
  return bench::runBaseline(rows(root), baselineOutput(root),
                            playlistBytes(root), counts) ||
         fail("the baseline walk failed in " + root);
}

bool rebuild(const std::string& root, bool by_date, int64_t expected) {
  const RebuildResult r = bench::runRebuild(root, by_date);
  if (!r.activated) return fail("the rebuild did not activate a playlist");
  if (expected >= 0 && r.recordings != expected)
    return fail("the rebuild found " + std::to_string(r.recordings) +
                " recordings, the baseline " + std::to_string(expected));
  return true;
}

int generate(const std::string& root, const std::string& count) {
  char* end = nullptr;
  const long long n = std::strtoll(count.c_str(), &end, 10);
  if (*end != '\0' || n <= 0) return fail("not a number of recordings: " + count), 2;
  bench::TreeShape shape;
  std::string err;
  if (!bench::generateTree(root, n, &shape, &err)) return fail(err), 1;
  std::fprintf(stderr, "generated %lld recordings in %lld directories under %s\n",
               static_cast<long long>(shape.recordings),
               static_cast<long long>(shape.directories), root.c_str());
  return 0;
}

int once(const std::string& mode, const std::string& root) {
  BaselineCounts counts;
  if (mode == "baseline") return baseline(root, &counts) ? 0 : 1;
  if (mode == "name" || mode == "date") return rebuild(root, mode == "date", -1) ? 0 : 1;
  return fail("unknown mode " + mode), 2;
}

void header() {
  std::printf(
      "| recordings | directories | largest directory | baseline s | by name s "
      "| by date s | by name / baseline | by date / baseline | CPU by name / "
      "baseline | CPU by date / baseline | by name µs per recording | peak "
      "MiB baseline | peak MiB by name | peak MiB by date |\n"
      "|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|\n");
}

// Baseline and rebuild alternate, each rebuild right after a baseline, so
// that other load on the machine and the cache's state affect both alike.
int measure(const std::string& root, int reps) {
  BaselineCounts counts;
  // Warm-up: fills the caches and gives the playlist's length.
  if (!rebuild(root, false, -1) || !baseline(root, &counts) ||
      !rebuild(root, false, counts.recordings) ||
      !rebuild(root, true, counts.recordings))
    return 1;
  std::vector<double> base, name, date, name_ratio, date_ratio, name_cpu, date_cpu;
  bool ok = true;
  for (int r = 0; r < reps && ok; ++r) {
    for (const bool by_date : {false, true}) {
      const Sample b = timed([&] { ok = baseline(root, &counts) && ok; });
      const Sample s = timed([&] { ok = rebuild(root, by_date, counts.recordings) && ok; });
      base.push_back(b.wall);
      (by_date ? date : name).push_back(s.wall);
      (by_date ? date_ratio : name_ratio).push_back(s.wall / b.wall);
      (by_date ? date_cpu : name_cpu).push_back(s.cpu / b.cpu);
      std::fprintf(stderr, "  rep %d by %s: baseline %.3f s (CPU %.3f), rebuild %.3f s (CPU %.3f)\n",
                   r + 1, by_date ? "date" : "name", b.wall, b.cpu, s.wall, s.cpu);
    }
  }
  if (!ok) return 1;

  long peak[3];
  const char* modes[3] = {"baseline", "name", "date"};
  for (int i = 0; i < 3; ++i) {
    peak[i] = bench::peakMemoryOfChild({"once", modes[i], root});
    if (peak[i] < 0) return fail(std::string("the ") + modes[i] + " run failed"), 1;
  }
  std::printf(
      "| %lld | %lld | %lld | %.3f | %.3f | %.3f | %.2f | %.2f | %.2f | %.2f | "
      "%.2f | %.1f | %.1f | %.1f |\n",
      static_cast<long long>(counts.recordings),
      static_cast<long long>(counts.directories),
      static_cast<long long>(counts.largest_directory), median(base),
      median(name), median(date), median(name_ratio), median(date_ratio),
      median(name_cpu), median(date_cpu),
      median(name) * 1e6 / static_cast<double>(counts.recordings),
      peak[0] / 1024.0, peak[1] / 1024.0, peak[2] / 1024.0);
  std::fflush(stdout);
  return 0;
}

int usage() {
  std::fprintf(stderr,
               "usage: tessaroll_bench generate DIR RECORDINGS\n"
               "       tessaroll_bench header\n"
               "       tessaroll_bench measure DIR REPETITIONS\n"
               "       tessaroll_bench once baseline|name|date DIR\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 3 && args[0] == "generate") return generate(args[1], args[2]);
  if (args.size() == 1 && args[0] == "header") return header(), 0;
  if (args.size() == 3 && args[0] == "measure") {
    const int reps = std::atoi(args[2].c_str());
    return reps > 0 ? measure(args[1], reps) : usage();
  }
  if (args.size() == 3 && args[0] == "once") return once(args[1], args[2]);
  return usage();
}
