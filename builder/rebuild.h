// The rebuild run behind the main window's green button: replaces the
// host's recordings playlist with one built from the rows in use, keeps
// the previous playlist as a backup and puts it back when the new one is
// not wanted, and tells the user how it went.
#ifndef TESSAROLL_BUILDER_REBUILD_H_
#define TESSAROLL_BUILDER_REBUILD_H_

#include <functional>

#include "builder/scan_row.h"
#include "host/estring.h"

/// Runs a rebuild synchronously, showing the host's message boxes as it
/// goes. `sort_choice` is the text of the sort box's current entry.
/// `close_window` is called once, with the new playlist activated, when
/// the run succeeded; otherwise the window stays open.
void rebuildRun(const ScanRows& rows, const eString& sort_choice,
                const std::function<void()>& close_window);

#endif  // TESSAROLL_BUILDER_REBUILD_H_
