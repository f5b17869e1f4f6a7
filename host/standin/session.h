// The stand-in host's process-wide session: where the keys of modal loops
// come from, where transcript events go, and which top-level windows are on
// screen. Everything runs on one thread, like the receiver's GUI thread.
#ifndef TESSAROLL_HOST_STANDIN_SESSION_H_
#define TESSAROLL_HOST_STANDIN_SESSION_H_

#include <deque>
#include <initializer_list>
#include <optional>
#include <ostream>
#include <vector>

#include "host/standin/keys.h"
#include "host/standin/transcript.h"

class eWidget;

namespace standin {

/// Supplies the keys of modal loops: a script now, a terminal later.
class KeySource {
 public:
  virtual ~KeySource() = default;
  /// The next key for `modal`, the innermost window whose loop waits.
  /// nullopt when no key will ever come. An interactive source draws the
  /// visible windows before it waits.
  virtual std::optional<Key> next(eWidget& modal) = 0;
  /// A top-level window was shown or hidden outside of next(), as a
  /// progress box is while no loop waits; an interactive source redraws.
  virtual void refresh() {}
};

/// Hands out a fixed list of keys in order.
class ScriptedKeys : public KeySource {
 public:
  explicit ScriptedKeys(std::vector<Key> keys = {});
  void add(const Key& key) { keys_.push_back(key); }
  size_t left() const { return keys_.size(); }
  std::optional<Key> next(eWidget& modal) override;

 private:
  std::deque<Key> keys_;
};

/// Installs the key source; nullptr leaves none, so every modal loop finds
/// its keys run out. The caller keeps ownership. Returns the previous one.
KeySource* setKeySource(KeySource* source);

/// Installs the transcript stream; nullptr drops events. The caller keeps
/// ownership. Returns the previous one.
std::ostream* setTranscript(std::ostream* out);

/// Writes one event line to the transcript and flushes it, so that the
/// transcript is complete whenever the process ends.
void recordEvent(const char* event, std::initializer_list<Field> fields = {});

/// Top-level windows that are shown, oldest first.
const std::vector<eWidget*>& visibleWindows();
void windowShown(eWidget& window);
void windowHidden(eWidget& window);

/// Takes the next key for `modal`'s loop and delivers it to `modal`. When
/// no key can come (the script ran out, or the input is locked and nothing
/// could unlock it) it names the window on standard error and ends the
/// process with status 3, after flushing the transcript.
void takeKey(eWidget& modal);

/// Delivers `key` to `window`: actions through eWidget::handleAction,
/// digits and texts to the focused text field.
void deliverKey(eWidget& window, const Key& key);

}  // namespace standin

#endif  // TESSAROLL_HOST_STANDIN_SESSION_H_
