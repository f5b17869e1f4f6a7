#include "bench/peak_memory.h"

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <cerrno>

extern char** environ;

namespace bench {

long peakMemoryOfChild(const std::vector<std::string>& args) {
  std::vector<char*> argv;
  std::string self = "/proc/self/exe";
  argv.push_back(self.data());
  std::vector<std::string> copies(args);
  for (std::string& a : copies) argv.push_back(a.data());
  argv.push_back(nullptr);

  pid_t pid;
  if (::posix_spawn(&pid, self.c_str(), nullptr, nullptr, argv.data(), environ) != 0)
    return -1;
  // wait4 gives this child's own figures; RUSAGE_CHILDREN would be the
  // largest of all children waited for so far.
  int status = 0;
  struct rusage usage;
  pid_t r;
  do {
    r = ::wait4(pid, &status, 0, &usage);
  } while (r < 0 && errno == EINTR);
  if (r != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
  return usage.ru_maxrss;
}

}  // namespace bench
