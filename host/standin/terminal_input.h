// The keys of a PC keyboard as the receiver's remote-control keys. Kept
// apart from the terminal, so the key assignment can be tested without one.
#ifndef TESSAROLL_HOST_STANDIN_TERMINAL_INPUT_H_
#define TESSAROLL_HOST_STANDIN_TERMINAL_INPUT_H_

#include <optional>

#include "host/standin/keys.h"

class eWidget;

namespace standin {

/// A key as the terminal reports it.
struct TerminalKey {
  enum Kind { kChar, kUp, kDown, kLeft, kRight, kEnter, kEscape, kBackspace,
              kF1, kF2, kF3, kF4, kOther };
  Kind kind = kOther;
  char32_t ch = 0;  // kChar: the character typed
};

/// The remote-control key that `key` stands for while `focus` (may be null)
/// has the input focus; nullopt when it stands for none. The arrows, Enter,
/// Esc, F1 to F4 and the digits are the remote's keys everywhere. While a
/// text field has the focus, other characters are typed into it and
/// Backspace deletes its last character, both as a `text:` key holding the
/// field's new text; elsewhere r, g, y and b are the coloured keys.
std::optional<Key> remoteKeyFor(const TerminalKey& key, const eWidget* focus);

}  // namespace standin

#endif  // TESSAROLL_HOST_STANDIN_TERMINAL_INPUT_H_
