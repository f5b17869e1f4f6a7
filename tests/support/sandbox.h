// A temporary root directory for tests: the plugin's file layer and the
// stand-in host's own reads are pointed at it for the sandbox's lifetime,
// so "/hdd/movie" means ROOT/hdd/movie. Removed with everything in it.
#ifndef TESSAROLL_TESTS_SUPPORT_SANDBOX_H_
#define TESSAROLL_TESTS_SUPPORT_SANDBOX_H_

#include <cstdint>
#include <memory>
#include <string>

#include "builder/fsys.h"

class Sandbox {
 public:
  Sandbox();
  ~Sandbox();
  Sandbox(const Sandbox&) = delete;
  Sandbox& operator=(const Sandbox&) = delete;

  const std::string& root() const { return root_; }
  /// The real path of `path` inside the sandbox.
  std::string real(const std::string& path) const { return root_ + path; }
  /// The file system the plugin sees (rooted at the sandbox); wrap it to
  /// inject faults.
  fsys::FileSystem& fs() { return *fs_; }

  /// Creates the directory and its parents.
  void mkdir(const std::string& path);
  /// Creates the file (and its directory) with `content`; `mtime` >= 0
  /// sets its modification time.
  void write(const std::string& path, const std::string& content,
             int64_t mtime = -1);
  std::string read(const std::string& path) const;
  bool exists(const std::string& path) const;
  void symlink(const std::string& target, const std::string& path);

 private:
  std::string root_;
  std::unique_ptr<fsys::FileSystem> fs_;
};

/// The bytes of an event file holding one short event descriptor with the
/// given name and short text (raw DVB bytes).
std::string eitWithShortEvent(const std::string& name, const std::string& text);

/// The bytes of an event file with the given raw descriptor loop.
std::string eitWithDescriptors(const std::string& descriptors);

/// The four playlist lines of one recording, as the host expects them.
std::string playlistRecord(const std::string& path,
                           const std::string& description);

#endif  // TESSAROLL_TESTS_SUPPORT_SANDBOX_H_
