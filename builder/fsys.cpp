// The real file system behind fsys::fs(), and the process-wide switch.
#include "builder/fsys.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace fsys {
namespace {

class StdioFile : public WritableFile {
 public:
  explicit StdioFile(std::FILE* f) : f_(f) {}
  ~StdioFile() override {
    if (f_) std::fclose(f_);
  }

  bool append(std::string_view data) override {
    if (!ok_ || !f_) return false;
    if (std::fwrite(data.data(), 1, data.size(), f_) != data.size())
      ok_ = false;
    return ok_;
  }

  bool sync() override {
    if (!f_ || std::fflush(f_) != 0 || ::fsync(::fileno(f_)) != 0) ok_ = false;
    return ok_;
  }

  bool close() override {
    if (!f_) return false;
    if (std::fflush(f_) != 0 || std::ferror(f_)) ok_ = false;
    if (std::fclose(f_) != 0) ok_ = false;
    f_ = nullptr;
    return ok_;
  }

 private:
  std::FILE* f_;
  bool ok_ = true;
};

class RealFileSystem : public FileSystem {
 public:
  explicit RealFileSystem(std::string root) : root_(std::move(root)) {
    while (!root_.empty() && root_.back() == '/') root_.pop_back();
  }

  bool canRead(const std::string& path) override {
    std::string buf;
    int fd = ::open(rooted(path, &buf), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    ::close(fd);
    return true;
  }

  bool readFile(const std::string& path, size_t max,
                std::string* out) override {
    out->clear();
    std::string buf;
    int fd = ::open(rooted(path, &buf), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    // A rebuild reads the first few hundred bytes of one event file per
    // recording, so this costs one read call where it can: through a buffer
    // on the stack (a string of `max` bytes would be zero-filled first), and
    // ending at the first short read, which for a regular file means its end.
    char chunk[4096];
    bool ok = true;
    while (out->size() < max) {
      const size_t want = std::min(sizeof chunk, max - out->size());
      const ssize_t n = ::read(fd, chunk, want);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) ok = false;
      if (n <= 0) break;
      out->append(chunk, static_cast<size_t>(n));
      if (static_cast<size_t>(n) < want) break;
    }
    ::close(fd);
    return ok;
  }

  std::unique_ptr<WritableFile> openForWrite(const std::string& path) override {
    std::string buf;
    std::FILE* f = std::fopen(rooted(path, &buf), "we");
    if (!f) return nullptr;
    return std::make_unique<StdioFile>(f);
  }

  bool canOpenDir(const std::string& path) override {
    std::string buf;
    DIR* d = ::opendir(rooted(path, &buf));
    if (!d) return false;
    ::closedir(d);
    return true;
  }

  // Sorted with strcmp rather than scandir's alphasort: alphasort follows
  // LC_COLLATE, and the playlist's order must not depend on the locale the
  // host happens to run in. In the "C" locale both give the same order.
  bool listDir(const std::string& path,
               std::vector<std::string>* names) override {
    names->clear();
    std::string buf;
    DIR* d = ::opendir(rooted(path, &buf));
    if (!d) return false;
    errno = 0;
    while (struct dirent* e = ::readdir(d)) names->emplace_back(e->d_name);
    bool ok = errno == 0;
    ::closedir(d);
    if (!ok) {
      names->clear();
      return false;
    }
    std::sort(names->begin(), names->end(),
              [](const std::string& a, const std::string& b) {
                return std::strcmp(a.c_str(), b.c_str()) < 0;
              });
    return true;
  }

  bool status(const std::string& path, FileStatus* st) override {
    struct stat s;
    std::string buf;
    if (::stat(rooted(path, &buf), &s) != 0) return false;
    st->is_dir = S_ISDIR(s.st_mode);
    st->mtime = static_cast<int64_t>(s.st_mtime);
    st->dev = static_cast<uint64_t>(s.st_dev);
    st->ino = static_cast<uint64_t>(s.st_ino);
    return true;
  }

  bool rename(const std::string& from, const std::string& to) override {
    std::string from_buf, to_buf;
    return std::rename(rooted(from, &from_buf), rooted(to, &to_buf)) == 0;
  }

  bool remove(const std::string& path) override {
    std::string buf;
    return ::unlink(rooted(path, &buf)) == 0;
  }

 private:
  // The path handed to the system: `path` itself when there is no root,
  // else the rooted path kept in `*buf`. Not a copy, because a rebuild
  // makes several calls per recording.
  const char* rooted(const std::string& path, std::string* buf) const {
    if (root_.empty() || path.empty() || path[0] != '/') return path.c_str();
    *buf = root_ + path;
    return buf->c_str();
  }

  std::string root_;
};

FileSystem* g_replacement = nullptr;

FileSystem& defaultFileSystem() {
  static const std::unique_ptr<FileSystem> real = [] {
    const char* root = std::getenv("TESSAROLL_ROOT");
    return makeRealFileSystem(root ? root : "");
  }();
  return *real;
}

}  // namespace

FileSystem& fs() {
  return g_replacement ? *g_replacement : defaultFileSystem();
}

void setFileSystem(FileSystem* replacement) { g_replacement = replacement; }

std::unique_ptr<FileSystem> makeRealFileSystem(const std::string& root) {
  return std::make_unique<RealFileSystem>(root);
}

}  // namespace fsys
