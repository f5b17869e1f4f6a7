// The builder's process-wide state. The rebuild run sets all of it before
// it scans, row by row; the scanner reads it. It is meaningful only during
// a rebuild and keeps its last values afterwards.
#ifndef TESSAROLL_BUILDER_STATE_H_
#define TESSAROLL_BUILDER_STATE_H_

#include <cstdint>
#include <utility>
#include <vector>

#include "builder/fsys.h"
#include "host/estring.h"

/// A recording waiting to be written: its playlist description and path.
struct _tselem {
  eString description;
  eString path;
};

/// The playlist being written; null outside a rebuild.
extern fsys::WritableFile* fp;
/// Recordings found in this run; equals the number of records written.
extern int tscnt;
extern bool sortbydate;
/// The current row's options.
extern bool subflag, eit1flag, eit2flag, dirflag;
/// The current row's additional name.
extern eString nn;
/// The recordings of the directory being scanned, keyed by modification
/// time; empty between directories.
extern std::vector<std::pair<int32_t, _tselem>> tslist;

#endif  // TESSAROLL_BUILDER_STATE_H_
