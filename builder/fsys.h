// The plugin's only way to the file system. Every open, read, write,
// listing, status, rename and delete of the builder, the settings and the
// dialogs goes through the process-wide FileSystem, so that the stand-in
// host can run the plugin inside a sandbox root and tests can make single
// calls fail. Paths are bytes and stay as the plugin sees them
// ("/hdd/movie/a.ts"); only the real implementation puts the root in front.
#ifndef TESSAROLL_BUILDER_FSYS_H_
#define TESSAROLL_BUILDER_FSYS_H_

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace fsys {

struct FileStatus {
  bool is_dir = false;
  int64_t mtime = 0;  // whole seconds
  uint64_t dev = 0;   // device and inode tell one directory from another
  uint64_t ino = 0;
};

/// A file open for writing. Writes are buffered; close() tells whether all
/// of them reached the file.
class WritableFile {
 public:
  virtual ~WritableFile() = default;
  /// Returns false once any write has failed; later writes are dropped.
  virtual bool append(std::string_view data) = 0;
  /// Pushes what was written so far to the disk, so that a file renamed
  /// into place afterwards survives a power cut whole.
  virtual bool sync() = 0;
  /// Flushes and closes. False when any write, the flush or the close
  /// failed: the file may then be incomplete.
  virtual bool close() = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  /// True when `path` can be opened for reading.
  virtual bool canRead(const std::string& path) = 0;
  /// Reads at most `max` bytes from the start of `path` into `out`.
  virtual bool readFile(const std::string& path, size_t max,
                        std::string* out) = 0;
  /// Creates or truncates `path`; nullptr on failure.
  virtual std::unique_ptr<WritableFile> openForWrite(
      const std::string& path) = 0;
  /// True when `path` can be opened as a directory.
  virtual bool canOpenDir(const std::string& path) = 0;
  /// The names in `path`, "." and ".." included, in byte order (the "C"
  /// locale's alphasort).
  virtual bool listDir(const std::string& path,
                       std::vector<std::string>* names) = 0;
  /// Status with symbolic links followed.
  virtual bool status(const std::string& path, FileStatus* st) = 0;
  virtual bool rename(const std::string& from, const std::string& to) = 0;
  virtual bool remove(const std::string& path) = 0;
};

/// The file system in use; by default the real one, rooted at the
/// directory named by the environment variable TESSAROLL_ROOT when it is
/// set (the stand-in host sets it), else at "/".
FileSystem& fs();

/// Replaces the file system in use (tests, fault injection); nullptr
/// restores the default. The caller keeps ownership.
void setFileSystem(FileSystem* replacement);

/// The real file system with `root` put in front of every absolute path.
/// An empty root or "/" leaves paths as they stand.
std::unique_ptr<FileSystem> makeRealFileSystem(const std::string& root);

/// Forwards every call to `target`; tests derive from it and override the
/// call that should fail.
class FileSystemWrapper : public FileSystem {
 public:
  explicit FileSystemWrapper(FileSystem& target) : target_(target) {}
  bool canRead(const std::string& p) override { return target_.canRead(p); }
  bool readFile(const std::string& p, size_t max, std::string* out) override {
    return target_.readFile(p, max, out);
  }
  std::unique_ptr<WritableFile> openForWrite(const std::string& p) override {
    return target_.openForWrite(p);
  }
  bool canOpenDir(const std::string& p) override {
    return target_.canOpenDir(p);
  }
  bool listDir(const std::string& p, std::vector<std::string>* n) override {
    return target_.listDir(p, n);
  }
  bool status(const std::string& p, FileStatus* st) override {
    return target_.status(p, st);
  }
  bool rename(const std::string& a, const std::string& b) override {
    return target_.rename(a, b);
  }
  bool remove(const std::string& p) override { return target_.remove(p); }

 private:
  FileSystem& target_;
};

}  // namespace fsys

#endif  // TESSAROLL_BUILDER_FSYS_H_
