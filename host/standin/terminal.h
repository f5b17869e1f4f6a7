// The interactive front end of tessaroll-host: the windows on screen drawn
// in the terminal, and the keys of modal loops taken from its keyboard.
#ifndef TESSAROLL_HOST_STANDIN_TERMINAL_H_
#define TESSAROLL_HOST_STANDIN_TERMINAL_H_

#include <memory>
#include <string>

#include "host/standin/session.h"

namespace standin {

/// A key source that draws the visible windows in the terminal on standard
/// input before it waits, and answers the keys pressed there (see
/// terminal_input.h). When the terminal goes away (end of input, hangup)
/// or the run is interrupted (Ctrl-C, SIGTERM) it gives the terminal back
/// and answers nullopt from then on, so the host ends with status 3. The
/// interruption takes effect when a loop next waits for a key. Destroying
/// it gives the terminal back too. Returns nullptr and sets `error` when
/// standard input is no terminal or the terminal cannot be driven.
std::unique_ptr<KeySource> openTerminal(std::string* error);

}  // namespace standin

#endif  // TESSAROLL_HOST_STANDIN_TERMINAL_H_
