// Walks a configured directory and appends its recordings to the playlist
// being written, using the builder state (state.h).
#ifndef TESSAROLL_BUILDER_SCANNER_H_
#define TESSAROLL_BUILDER_SCANNER_H_

#include <cstdint>
#include <utility>

#include "builder/state.h"
#include "host/estring.h"

/// Scan results; the numbers are shown to the user in "Scan Error %d".
enum ScanResult {
  kScanOk = 0,
  kScanCannotOpen = 1,    // the directory cannot be opened
  kScanCannotStat = 2,    // its status cannot be read
  kScanCannotList = 3,    // its entries cannot be listed
};

/// Appends the recordings of `path` (and, with subflag, of its
/// subdirectories, depth first in listing order) to fp, each directory's
/// sorted by date or by description. Returns a ScanResult; for a failing
/// subdirectory its code, after the records seen before it were written.
/// A directory already on the current path (a symbolic-link cycle) is not
/// entered again.
int dirlist(const eString& path);

/// The part of `path` after its last "/".
eString getLastDir(const eString& path);

/// Orders by modification time (signed).
bool cmpint(const std::pair<int32_t, _tselem>& a,
            const std::pair<int32_t, _tselem>& b);
/// Orders by description, bytes compared as unsigned values, a prefix
/// before the longer text.
bool cmpstr(const std::pair<int32_t, _tselem>& a,
            const std::pair<int32_t, _tselem>& b);

#endif  // TESSAROLL_BUILDER_SCANNER_H_
