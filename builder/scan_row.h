// One directory row of the configuration, as shown in the main window,
// stored in the settings file and consumed by a rebuild.
#ifndef TESSAROLL_BUILDER_SCAN_ROW_H_
#define TESSAROLL_BUILDER_SCAN_ROW_H_

#include <array>

#include "host/estring.h"

struct ScanRow {
  bool use = false;   // the row takes part in a rebuild
  bool sub = false;   // subdirectories are scanned too
  eString name;       // the directory, exactly as configured
  bool eit1 = false;  // descriptions take the event name
  bool eit2 = false;  // descriptions take the event's short text
  bool dir = false;   // descriptions start with "[directory name]"
  eString newname;    // put in brackets before every description, if set
};

/// There are always exactly five rows, numbered 0 to 4.
constexpr int kRowCount = 5;
using ScanRows = std::array<ScanRow, kRowCount>;

#endif  // TESSAROLL_BUILDER_SCAN_ROW_H_
