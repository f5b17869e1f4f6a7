#include "builder/scanner.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "builder/eit_reader.h"
#include "builder/fsys.h"
#include "builder/playlist.h"
#include "host/services.h"

namespace {

struct DirId {
  uint64_t dev, ino;
  bool operator==(const DirId& o) const { return dev == o.dev && ino == o.ino; }
};

struct Subdir {
  std::string name;
  DirId id;
};

bool endsWith(const std::string& s, const char* suffix) {
  const size_t n = std::strlen(suffix);
  return s.size() >= n && s.compare(s.size() - n, n, suffix) == 0;
}

// The name up to the first occurrence of `marker`: "a.tsx.ts" is "a".
eString baseName(const std::string& name, const char* marker) {
  return eString(name.substr(0, name.find(marker)));
}

eString fromFileName(eString base) { return base.strReplace("_", " "); }

eString converted(const std::string& dvb) {
  return convertDVBUTF8(reinterpret_cast<const unsigned char*>(dvb.data()),
                        static_cast<int>(dvb.size()), 0, 0);
}

eString describeTransportStream(const std::string& event_file,
                                const eString& base) {
  if (!eit1flag && !eit2flag) return fromFileName(base);
  ShortEvent ev;
  if (!readShortEvent(event_file, &ev)) return fromFileName(base);
  const eString name = eit1flag && !ev.name.empty() ? converted(ev.name) : "";
  const eString text = eit2flag && !ev.text.empty() ? converted(ev.text) : "";
  if (!name.empty() && !text.empty()) {
    eString both;
    both.reserve(name.size() + 3 + text.size());
    both.append(name).append(" - ").append(text);
    return both;
  }
  if (!name.empty()) return name;
  if (!text.empty()) return text;
  return fromFileName(base);
}

// What goes before every description in `dir`: "[nn]" and then
// "[directory name]", each when asked for.
std::string descriptionPrefix(const eString& dir) {
  std::string prefix;
  if (!nn.empty()) prefix.append("[").append(nn).append("]");
  if (dirflag) prefix.append("[").append(getLastDir(dir)).append("]");
  return prefix;
}

void addRecording(const std::string& prefix, eString description,
                  std::string full, int64_t mtime) {
  if (!prefix.empty()) description.insert(0, prefix);
  // The playlist keeps 32-bit times, as the receiver's time_t is.
  tslist.emplace_back(static_cast<int32_t>(mtime),
                      _tselem{std::move(description), eString(std::move(full))});
}

void writeDirectory() {
  // Stable, so that recordings that compare equal keep the listing order.
  std::stable_sort(tslist.begin(), tslist.end(), sortbydate ? cmpint : cmpstr);
  if (fp) {
    for (const auto& entry : tslist)
      writePlaylistRecord(*fp, entry.second.description, entry.second.path);
  }
  tslist.clear();
}

// `ancestors` holds the directories on the current path, so that a link
// back up the tree is not followed round and round.
int walk(const eString& path, std::vector<DirId>& ancestors) {
  fsys::FileSystem& fs = fsys::fs();
  if (!fs.canOpenDir(path)) return kScanCannotOpen;
  fsys::FileStatus self;
  if (!fs.status(path, &self)) return kScanCannotStat;
  std::vector<std::string> names;
  if (!fs.listDir(path, &names)) return kScanCannotList;

  const std::string prefix = descriptionPrefix(path);
  std::vector<Subdir> subdirs;
  int recordings = 0;
  // The paths of all entries and event files are built in these two
  // buffers, so that a directory of recordings costs few allocations;
  // recordings keep a copy of theirs.
  std::string full = path + "/";
  const size_t dir_len = full.size();
  std::string event_file;
  for (const std::string& name : names) {
    full.resize(dir_len);
    full += name;
    fsys::FileStatus st;
    // An entry without a status (a broken link) is neither a recording
    // nor a directory.
    if (!fs.status(full, &st)) continue;
    if (st.is_dir) {
      if (subflag && name != "." && name != "..")
        subdirs.push_back({name, {st.dev, st.ino}});
      continue;
    }
    // A line break in the path would split its record and shift every
    // record after it; the playlist has no way to quote one.
    if (full.find('\n') != std::string::npos) continue;
    if (endsWith(name, ".ts")) {
      ++tscnt;
      ++recordings;
      const eString base = baseName(name, ".ts");
      event_file.assign(full, 0, dir_len).append(base).append(".eit");
      addRecording(prefix, describeTransportStream(event_file, base), full,
                   st.mtime);
    } else if (endsWith(name, ".mpg")) {
      ++tscnt;
      ++recordings;
      addRecording(prefix, fromFileName(baseName(name, ".mpg")), full,
                   st.mtime);
    }
  }
  if (recordings > 0) writeDirectory();
  names = std::vector<std::string>();  // the walk below may go deep

  ancestors.push_back({self.dev, self.ino});
  int result = kScanOk;
  for (const Subdir& sub : subdirs) {
    if (std::find(ancestors.begin(), ancestors.end(), sub.id) != ancestors.end())
      continue;
    result = walk(path + "/" + sub.name, ancestors);
    if (result != kScanOk) break;
  }
  ancestors.pop_back();
  return result;
}

}  // namespace

int dirlist(const eString& path) {
  std::vector<DirId> ancestors;
  return walk(path, ancestors);
}

eString getLastDir(const eString& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : eString(path.substr(slash + 1));
}

bool cmpint(const std::pair<int32_t, _tselem>& a,
            const std::pair<int32_t, _tselem>& b) {
  return a.first < b.first;
}

bool cmpstr(const std::pair<int32_t, _tselem>& a,
            const std::pair<int32_t, _tselem>& b) {
  const std::string& x = a.second.description;
  const std::string& y = b.second.description;
  const int c = std::memcmp(x.data(), y.data(), std::min(x.size(), y.size()));
  return c != 0 ? c < 0 : x.size() < y.size();
}
