// The remote-control keys of a headless run: one key a line in a key file,
// and the host action each key raises.
#ifndef TESSAROLL_HOST_STANDIN_KEYS_H_
#define TESSAROLL_HOST_STANDIN_KEYS_H_

#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class eAction;

namespace standin {

struct Key {
  enum Kind { kUp, kDown, kLeft, kRight, kOk, kExit, kRed, kGreen, kYellow,
              kBlue, kDigit, kText };
  Kind kind = kOk;
  int digit = 0;     // kDigit: 0 to 9
  std::string text;  // kText: the new text of the focused field, as bytes
};

/// What one line of a key file holds.
struct KeyLine {
  enum Status { kKey, kSkip, kUnknown };
  Status status = kSkip;
  Key key;
};

/// Reads one line (without its "\n"). Blank lines and lines starting with
/// "#" are skipped; spaces around a key name are ignored, while "text:" must
/// start the line and keeps the rest of it byte for byte.
KeyLine parseKeyLine(std::string_view line);

/// Reads every line of `in`. On an unknown key name returns false and sets
/// `error` to a message naming the line number and the name.
bool readKeys(std::istream& in, std::vector<Key>* keys, std::string* error);

/// The cursor or shortcut action that `key` raises; nullptr for digits and
/// texts, which edit the focused text field instead.
const eAction* actionFor(const Key& key);

}  // namespace standin

#endif  // TESSAROLL_HOST_STANDIN_KEYS_H_
