// Key-file lines and the actions that keys raise.
#include "host/standin/keys.h"

#include "host/actions.h"

namespace standin {
namespace {

struct NamedKey {
  const char* name;
  Key::Kind kind;
};

constexpr NamedKey kNamedKeys[] = {
    {"up", Key::kUp},       {"down", Key::kDown},   {"left", Key::kLeft},
    {"right", Key::kRight}, {"ok", Key::kOk},       {"exit", Key::kExit},
    {"red", Key::kRed},     {"green", Key::kGreen}, {"yellow", Key::kYellow},
    {"blue", Key::kBlue},
};

constexpr std::string_view kTextPrefix = "text:";

std::string_view trimmed(std::string_view s) {
  const char* const kSpace = " \t\r";
  size_t begin = s.find_first_not_of(kSpace);
  if (begin == std::string_view::npos) return {};
  size_t end = s.find_last_not_of(kSpace);
  return s.substr(begin, end - begin + 1);
}

}  // namespace

KeyLine parseKeyLine(std::string_view line) {
  KeyLine result;
  if (line.substr(0, kTextPrefix.size()) == kTextPrefix) {
    result.status = KeyLine::kKey;
    result.key.kind = Key::kText;
    result.key.text = std::string(line.substr(kTextPrefix.size()));
    return result;
  }
  std::string_view name = trimmed(line);
  if (name.empty() || name[0] == '#') return result;
  if (name.size() == 1 && name[0] >= '0' && name[0] <= '9') {
    result.status = KeyLine::kKey;
    result.key.kind = Key::kDigit;
    result.key.digit = name[0] - '0';
    return result;
  }
  for (const NamedKey& named : kNamedKeys) {
    if (name == named.name) {
      result.status = KeyLine::kKey;
      result.key.kind = named.kind;
      return result;
    }
  }
  result.status = KeyLine::kUnknown;
  return result;
}

bool readKeys(std::istream& in, std::vector<Key>* keys, std::string* error) {
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    KeyLine parsed = parseKeyLine(line);
    if (parsed.status == KeyLine::kUnknown) {
      *error = "line " + std::to_string(number) + ": unknown key \"" +
               std::string(trimmed(line)) + "\"";
      return false;
    }
    if (parsed.status == KeyLine::kKey) keys->push_back(parsed.key);
  }
  return true;
}

const eAction* actionFor(const Key& key) {
  switch (key.kind) {
    case Key::kUp: return &i_cursorActions->up;
    case Key::kDown: return &i_cursorActions->down;
    case Key::kLeft: return &i_cursorActions->left;
    case Key::kRight: return &i_cursorActions->right;
    case Key::kOk: return &i_cursorActions->ok;
    case Key::kExit: return &i_cursorActions->cancel;
    case Key::kRed: return &i_shortcutActions->red;
    case Key::kGreen: return &i_shortcutActions->green;
    case Key::kYellow: return &i_shortcutActions->yellow;
    case Key::kBlue: return &i_shortcutActions->blue;
    case Key::kDigit:
    case Key::kText: return nullptr;
  }
  return nullptr;
}

}  // namespace standin
