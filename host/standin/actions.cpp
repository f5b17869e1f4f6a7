// The host's two action sets. Actions are compared by address, so each set
// exists once in the process and plugins reach it through these pointers.
#include "host/actions.h"

eAction::eAction(eActionMap& map, const char* name) : map_(map), name_(name) {}

namespace {
eCursorActions cursor_actions;
eShortcutActions shortcut_actions;
}  // namespace

eCursorActions* i_cursorActions = &cursor_actions;
eShortcutActions* i_shortcutActions = &shortcut_actions;
