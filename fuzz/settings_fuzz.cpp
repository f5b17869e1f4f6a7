// The settings file is plain text that anyone may edit or damage. Whatever
// it holds, reading it must neither crash nor read past a line, and what
// is read must survive a save: loading the saved file gives the same rows
// and sort choice again.
#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "builder/fsys.h"
#include "host/services.h"
#include "host/standin/root.h"
#include "settings/settings_file.h"

namespace {

void check(bool ok) {
  if (!ok) abort();
}

// A root of its own in memory-backed storage when there is one: every input
// is written, saved and read back. Removed at exit.
const char* g_root = nullptr;

void removeRoot() {
  if (system(("rm -rf '" + std::string(g_root) + "'").c_str()) != 0) abort();
}

const std::string& root() {
  static const std::string dir = [] {
    static char shm[] = "/dev/shm/settings_fuzz.XXXXXX";
    static char tmp[] = "/tmp/settings_fuzz.XXXXXX";
    g_root = mkdtemp(shm);
    if (!g_root) g_root = mkdtemp(tmp);
    check(g_root != nullptr);
    std::atexit(removeRoot);
    const std::string d = g_root;
    check(system(("mkdir -p '" + d + "/var/etc'").c_str()) == 0);
    return d;
  }();
  return dir;
}

struct Loaded {
  ScanRows rows;
  bool by_date = false;
};

// As the main window loads the file: an absent text leaves an empty field.
Loaded load() {
  Loaded l;
  for (int i = 0; i < kRowCount; ++i) {
    const StoredRow s = loadRow(i);
    ScanRow& r = l.rows[i];
    r.use = s.use, r.sub = s.sub, r.eit1 = s.eit1, r.eit2 = s.eit2,
    r.dir = s.dir;
    r.name = s.name.value_or("");
    r.newname = s.newname.value_or("");
    check(r.name.find('\n') == std::string::npos);
    check(r.newname.find('\n') == std::string::npos);
  }
  l.by_date = loadSortByDate();
  return l;
}

bool same(const Loaded& a, const Loaded& b) {
  if (a.by_date != b.by_date) return false;
  for (int i = 0; i < kRowCount; ++i) {
    const ScanRow& x = a.rows[i];
    const ScanRow& y = b.rows[i];
    if (x.use != y.use || x.sub != y.sub || x.eit1 != y.eit1 ||
        x.eit2 != y.eit2 || x.dir != y.dir || x.name != y.name ||
        x.newname != y.newname)
      return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::unique_ptr<fsys::FileSystem> fs =
      fsys::makeRealFileSystem(root());
  fsys::setFileSystem(fs.get());
  standin::setRoot(root());

  const std::string content(reinterpret_cast<const char*>(data), size);
  std::ofstream(root() + kSettingsPath, std::ios::binary | std::ios::trunc)
      << content;

  // The key of the input's first line, so that odd keys get looked up too.
  const std::string key = content.substr(0, content.find_first_of("=\n"));
  const eString value = getAttribute(kSettingsPath, key);
  check(value.find('\n') == std::string::npos);
  if (value != "&nbsp;") {
    // The value is the rest of a line that starts with the key and "=".
    const std::string line = "\n" + key + "=" + value + "\n";
    check(("\n" + content + "\n").find(line) != std::string::npos);
  }

  const Loaded first = load();
  check(saveSettings(first.rows, first.by_date ? "sort by Date" : "sort by Name"));
  check(same(load(), first));
  return 0;
}
