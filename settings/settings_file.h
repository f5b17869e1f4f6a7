// The plugin's settings file: the five directory rows, their additional
// names and the sort choice, as "key=value" lines.
#ifndef TESSAROLL_SETTINGS_SETTINGS_FILE_H_
#define TESSAROLL_SETTINGS_SETTINGS_FILE_H_

#include <optional>

#include "builder/scan_row.h"
#include "host/estring.h"

constexpr const char* kSettingsPath = "/var/etc/tsr.conf";

/// Writes the default settings unless the file can already be read.
/// False when it could be neither read nor created.
bool createDefaultSettings();

/// One row as read from the file. A check box is set only by the value
/// "1"; a text whose key is absent is left unset.
struct StoredRow {
  bool use = false, sub = false, eit1 = false, eit2 = false, dir = false;
  std::optional<eString> name;
  std::optional<eString> newname;
};

/// True when the file asks for "sort by Date".
bool loadSortByDate();
StoredRow loadRow(int row);

/// Writes all rows and the sort choice (the sort box's current text) to a
/// new file beside the old one and renames it into place, so that an
/// interrupted save leaves the previous settings. False when the settings
/// were not saved.
bool saveSettings(const ScanRows& rows, const eString& sort_choice);

#endif  // TESSAROLL_SETTINGS_SETTINGS_FILE_H_
