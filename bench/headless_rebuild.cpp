#include "bench/headless_rebuild.h"

#include <sys/stat.h>

#include <memory>

#include "bench/tree_gen.h"
#include "builder/fsys.h"
#include "builder/playlist.h"
#include "builder/rebuild.h"
#include "builder/scan_row.h"
#include "builder/state.h"
#include "host/standin/testing.h"

namespace bench {
namespace {

// The real file system, with only the playlist's two fixed paths moved
// into the benchmark's folder.
class PlaylistInFolder : public fsys::FileSystemWrapper {
 public:
  PlaylistInFolder(fsys::FileSystem& real, const std::string& root)
      : FileSystemWrapper(real),
        playlist_(playlistPath(root)),
        backup_(playlist_ + ".bak") {}

  bool canRead(const std::string& p) override {
    return FileSystemWrapper::canRead(moved(p));
  }
  std::unique_ptr<fsys::WritableFile> openForWrite(const std::string& p) override {
    return FileSystemWrapper::openForWrite(moved(p));
  }
  bool rename(const std::string& a, const std::string& b) override {
    return FileSystemWrapper::rename(moved(a), moved(b));
  }
  bool remove(const std::string& p) override {
    return FileSystemWrapper::remove(moved(p));
  }

 private:
  const std::string& moved(const std::string& p) const {
    if (p == kPlaylistPath) return playlist_;
    if (p == kPlaylistBackupPath) return backup_;
    return p;
  }

  std::string playlist_, backup_;
};

fsys::FileSystem& realFileSystem() {
  static const std::unique_ptr<fsys::FileSystem> real = fsys::makeRealFileSystem("");
  return *real;
}

}  // namespace

std::string playlistPath(const std::string& root) {
  return root + "/recordings.epl";
}

RebuildResult runRebuild(const std::string& root, bool by_date) {
  ScanRows rows;
  for (int i = 0; i < kRowCount; ++i) {
    ScanRow& row = rows[i];
    row.use = row.sub = row.eit1 = row.eit2 = true;
    row.name = rowPath(root, i);
    // Prefixes on some rows, as users set them.
    row.dir = i % 2 == 1;
    if (i == 2) row.newname = "USB";
  }

  PlaylistInFolder files(realFileSystem(), root);
  fsys::setFileSystem(&files);
  // The only box that waits is the one reporting success.
  standin::HeadlessSession session({"ok"});
  bool closed = false;
  rebuildRun(rows, by_date ? "sort by Date" : "sort by Name",
             [&] { closed = true; });
  fsys::setFileSystem(nullptr);

  RebuildResult result;
  result.activated = closed;
  result.recordings = tscnt;
  struct stat st;
  if (::stat(playlistPath(root).c_str(), &st) == 0)
    result.playlist_bytes = static_cast<uint64_t>(st.st_size);
  return result;
}

}  // namespace bench
