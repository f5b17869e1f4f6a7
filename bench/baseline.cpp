#include "bench/baseline.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace bench {
namespace {

constexpr size_t kEventHead = 4096;

bool endsWith(const char* name, size_t len, const char* suffix) {
  const size_t n = std::strlen(suffix);
  return len >= n && std::memcmp(name + len - n, suffix, n) == 0;
}

bool readHead(const std::string& path) {
  char buf[kEventHead];
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const ssize_t n = ::read(fd, buf, sizeof buf);
  ::close(fd);
  return n >= 0;
}

bool walk(const std::string& path, BaselineCounts* counts) {
  DIR* dir = ::opendir(path.c_str());
  if (!dir) return false;
  ++counts->directories;
  bool ok = true;
  int64_t recordings = 0;
  std::vector<std::string> subdirs;
  std::string full = path + "/";
  const size_t prefix = full.size();
  for (;;) {
    errno = 0;
    const struct dirent* e = ::readdir(dir);
    if (!e) {
      ok = errno == 0;
      break;
    }
    const char* name = e->d_name;
    if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0) continue;
    ++counts->entries;
    full.resize(prefix);
    full += name;
    struct stat st;
    if (::stat(full.c_str(), &st) != 0) continue;
    if (S_ISDIR(st.st_mode)) {
      subdirs.emplace_back(name);
      continue;
    }
    const size_t len = std::strlen(name);
    if (endsWith(name, len, ".eit")) {
      ++counts->event_files;
      ok = readHead(full) && ok;
    } else if (endsWith(name, len, ".ts") || endsWith(name, len, ".mpg")) {
      ++recordings;
    }
  }
  ::closedir(dir);
  counts->recordings += recordings;
  counts->largest_directory = std::max(counts->largest_directory, recordings);
  for (const std::string& sub : subdirs) ok = walk(path + "/" + sub, counts) && ok;
  return ok;
}

bool writeBytes(const std::string& path, uint64_t bytes) {
  static const std::string chunk(64 * 1024, 'x');
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  bool ok = true;
  while (ok && bytes > 0) {
    const size_t n = static_cast<size_t>(std::min<uint64_t>(bytes, chunk.size()));
    const ssize_t w = ::write(fd, chunk.data(), n);
    if (w < 0 && errno == EINTR) continue;
    ok = w > 0;
    if (ok) bytes -= static_cast<uint64_t>(w);
  }
  return ::close(fd) == 0 && ok;
}

}  // namespace

bool runBaseline(const std::vector<std::string>& roots,
                 const std::string& output, uint64_t output_bytes,
                 BaselineCounts* counts) {
  *counts = BaselineCounts();
  bool ok = true;
  for (const std::string& root : roots) ok = walk(root, counts) && ok;
  return writeBytes(output, output_bytes) && ok;
}

}  // namespace bench
