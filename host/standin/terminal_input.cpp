// The key assignment of the terminal front end.
#include "host/standin/terminal_input.h"

#include "host/ewidget.h"

namespace standin {
namespace {

Key keyOf(Key::Kind kind) {
  Key key;
  key.kind = kind;
  return key;
}

Key textKey(std::string text) {
  Key key = keyOf(Key::kText);
  key.text = std::move(text);
  return key;
}

bool isPrintable(char32_t ch) {
  return ch >= 0x20 && ch != 0x7F && !(ch >= 0x80 && ch <= 0x9F) &&
         !(ch >= 0xD800 && ch <= 0xDFFF) && ch <= 0x10FFFF;
}

void appendUtf8(std::string& s, char32_t ch) {
  if (ch < 0x80) {
    s += static_cast<char>(ch);
  } else if (ch < 0x800) {
    s += static_cast<char>(0xC0 | (ch >> 6));
    s += static_cast<char>(0x80 | (ch & 0x3F));
  } else if (ch < 0x10000) {
    s += static_cast<char>(0xE0 | (ch >> 12));
    s += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (ch & 0x3F));
  } else {
    s += static_cast<char>(0xF0 | (ch >> 18));
    s += static_cast<char>(0x80 | ((ch >> 12) & 0x3F));
    s += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (ch & 0x3F));
  }
}

/// The length of the last character of `s`: its last UTF-8 sequence, or
/// one byte where the text is no UTF-8 (a file name in Latin-1, say).
size_t lastCharLength(const std::string& s) {
  size_t n = 1;
  while (n < 4 && n < s.size() &&
         (static_cast<unsigned char>(s[s.size() - n]) & 0xC0) == 0x80) {
    ++n;
  }
  unsigned char lead = s[s.size() - n];
  size_t expected = lead >= 0xF0 && lead <= 0xF4   ? 4
                    : lead >= 0xE0 && lead <= 0xEF ? 3
                    : lead >= 0xC2 && lead <= 0xDF ? 2
                                                   : 1;
  return expected == n ? n : 1;
}

std::optional<Key> colourKey(char32_t ch) {
  switch (ch) {
    case 'r': case 'R': return keyOf(Key::kRed);
    case 'g': case 'G': return keyOf(Key::kGreen);
    case 'y': case 'Y': return keyOf(Key::kYellow);
    case 'b': case 'B': return keyOf(Key::kBlue);
    default: return std::nullopt;
  }
}

}  // namespace

std::optional<Key> remoteKeyFor(const TerminalKey& key, const eWidget* focus) {
  const auto* field = dynamic_cast<const eTextInputField*>(focus);
  switch (key.kind) {
    case TerminalKey::kUp: return keyOf(Key::kUp);
    case TerminalKey::kDown: return keyOf(Key::kDown);
    case TerminalKey::kLeft: return keyOf(Key::kLeft);
    case TerminalKey::kRight: return keyOf(Key::kRight);
    case TerminalKey::kEnter: return keyOf(Key::kOk);
    case TerminalKey::kEscape: return keyOf(Key::kExit);
    case TerminalKey::kF1: return keyOf(Key::kRed);
    case TerminalKey::kF2: return keyOf(Key::kGreen);
    case TerminalKey::kF3: return keyOf(Key::kYellow);
    case TerminalKey::kF4: return keyOf(Key::kBlue);
    case TerminalKey::kBackspace: {
      if (!field || field->getText().empty()) return std::nullopt;
      std::string text = field->getText();
      text.erase(text.size() - lastCharLength(text));
      return textKey(std::move(text));
    }
    case TerminalKey::kChar:
      if (key.ch >= '0' && key.ch <= '9') {
        Key digit = keyOf(Key::kDigit);
        digit.digit = static_cast<int>(key.ch - '0');
        return digit;
      }
      if (!field) return colourKey(key.ch);
      if (!isPrintable(key.ch)) return std::nullopt;
      {
        std::string text = field->getText();
        appendUtf8(text, key.ch);
        return textKey(std::move(text));
      }
    case TerminalKey::kOther: return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace standin
