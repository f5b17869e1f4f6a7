// State the plugin's windows hand to each other.
#ifndef TESSAROLL_UI_GLOBALS_H_
#define TESSAROLL_UI_GLOBALS_H_

#include "builder/scan_row.h"
#include "host/estring.h"

/// The rows' additional names: edited in the names dialog, kept in the
/// settings file, used by the next rebuild. Empty when the plugin is loaded.
extern eString newname[kRowCount];

/// The directory last chosen with save in the directory browser.
extern eString path_new;

#endif  // TESSAROLL_UI_GLOBALS_H_
