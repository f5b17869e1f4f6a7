#include "settings/settings_file.h"

#include <memory>
#include <string>

#include "builder/fsys.h"
#include "host/services.h"

namespace {

constexpr const char* kNewSettingsPath = "/var/etc/tsr.conf.new";
constexpr const char* kAbsent = "&nbsp;";

std::string key(const char* name, int row) {
  return std::string(name) + "." + std::to_string(row);
}

// A line break in a value would end its line early and turn the rest into
// a line of its own; the file has no escapes, so it becomes a space.
std::string oneLine(std::string value) {
  for (char& c : value)
    if (c == '\n') c = ' ';
  return value;
}

std::string rowLines(int i, const ScanRow& row) {
  auto flag = [&](const char* name, bool on) {
    return key(name, i) + (on ? "=1\n" : "=0\n");
  };
  return flag("use", row.use) + flag("sub", row.sub) + key("name", i) + "=" +
         oneLine(row.name) + "\n" + flag("eit1", row.eit1) +
         flag("eit2", row.eit2) + flag("dir", row.dir) + key("new", i) + "=" +
         oneLine(row.newname) + "\n";
}

bool writeSettings(const std::string& content) {
  fsys::FileSystem& fs = fsys::fs();
  std::unique_ptr<fsys::WritableFile> out = fs.openForWrite(kNewSettingsPath);
  if (!out) return false;
  out->append(content);
  out->sync();
  if (out->close() && fs.rename(kNewSettingsPath, kSettingsPath)) return true;
  fs.remove(kNewSettingsPath);
  return false;
}

bool isOne(const char* name, int row) {
  return getAttribute(kSettingsPath, key(name, row)) == "1";
}

std::optional<eString> text(const char* name, int row) {
  eString value = getAttribute(kSettingsPath, key(name, row));
  if (value == kAbsent) return std::nullopt;
  return value;
}

}  // namespace

bool createDefaultSettings() {
  if (fsys::fs().canRead(kSettingsPath)) return true;
  std::string content;
  for (int i = 0; i < kRowCount; ++i) {
    ScanRow row;
    if (i == 0) {
      row.use = true;
      row.name = "/hdd/movie";
      row.eit1 = true;
    }
    content += rowLines(i, row);
  }
  return writeSettings(content);
}

bool loadSortByDate() {
  return getAttribute(kSettingsPath, "sortbydate") == "1";
}

StoredRow loadRow(int row) {
  StoredRow stored;
  stored.use = isOne("use", row);
  stored.sub = isOne("sub", row);
  stored.name = text("name", row);
  stored.eit1 = isOne("eit1", row);
  stored.eit2 = isOne("eit2", row);
  stored.dir = isOne("dir", row);
  stored.newname = text("new", row);
  return stored;
}

bool saveSettings(const ScanRows& rows, const eString& sort_choice) {
  std::string content;
  for (int i = 0; i < kRowCount; ++i) content += rowLines(i, rows[i]);
  content += sort_choice == "sort by Name" ? "sortbydate=0\n" : "sortbydate=1\n";
  return writeSettings(content);
}
