// The modal loops' key supply and the transcript of one host process.
#include "host/standin/session.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "host/ewidget.h"
#include "host/services.h"

namespace standin {
namespace {

KeySource* g_keys = nullptr;
std::ostream* g_transcript = nullptr;
std::vector<eWidget*> g_visible;

[[noreturn]] void giveUp(eWidget& modal, const char* why) {
  if (g_transcript) g_transcript->flush();
  std::fprintf(stderr, "tessaroll-host: %s while \"%s\" waits for a key\n",
               why, modal.getText().c_str());
  std::fflush(stderr);
  std::exit(3);
}

}  // namespace

ScriptedKeys::ScriptedKeys(std::vector<Key> keys)
    : keys_(keys.begin(), keys.end()) {}

std::optional<Key> ScriptedKeys::next(eWidget&) {
  if (keys_.empty()) return std::nullopt;
  Key key = keys_.front();
  keys_.pop_front();
  return key;
}

KeySource* setKeySource(KeySource* source) {
  std::swap(g_keys, source);
  return source;
}

std::ostream* setTranscript(std::ostream* out) {
  std::swap(g_transcript, out);
  return out;
}

void recordEvent(const char* event, std::initializer_list<Field> fields) {
  if (!g_transcript) return;
  *g_transcript << eventLine(event, fields) << '\n';
  g_transcript->flush();
}

const std::vector<eWidget*>& visibleWindows() { return g_visible; }

void windowShown(eWidget& window) {
  if (std::find(g_visible.begin(), g_visible.end(), &window) ==
      g_visible.end()) {
    g_visible.push_back(&window);
  }
  if (g_keys) g_keys->refresh();
}

void windowHidden(eWidget& window) {
  auto it = std::find(g_visible.begin(), g_visible.end(), &window);
  if (it == g_visible.end()) return;
  g_visible.erase(it);
  if (g_keys) g_keys->refresh();
}

void takeKey(eWidget& modal) {
  // Nothing runs beside the loop that could unlock the input, so a locked
  // input in a waiting loop would wait for ever.
  if (eRCInput::getInstance()->islocked()) giveUp(modal, "input is locked");
  std::optional<Key> key = g_keys ? g_keys->next(modal) : std::nullopt;
  if (!key) giveUp(modal, "keys ran out");
  deliverKey(modal, *key);
}

void deliverKey(eWidget& window, const Key& key) {
  if (const eAction* action = actionFor(key)) {
    window.handleAction(*action);
    return;
  }
  auto* field = dynamic_cast<eTextInputField*>(window.getFocus());
  if (!field) return;
  if (key.kind == Key::kText) {
    field->setText(key.text);
  } else {
    field->setText(field->getText() + static_cast<char>('0' + key.digit));
  }
}

}  // namespace standin
