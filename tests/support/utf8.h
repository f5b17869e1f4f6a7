// Test helpers for UTF-8 output, written apart from every decoder in the
// project so that a test does not check a decoder against itself.
#ifndef TESSAROLL_TESTS_SUPPORT_UTF8_H_
#define TESSAROLL_TESTS_SUPPORT_UTF8_H_

#include <cstddef>
#include <string>

/// Strict: shortest forms only, no surrogates, nothing above U+10FFFF.
inline bool isValidUtf8(const std::string& s) {
  size_t i = 0;
  while (i < s.size()) {
    const unsigned char c = s[i];
    size_t extra;
    unsigned long cp;
    if (c < 0x80) {
      ++i;
      continue;
    } else if ((c & 0xE0) == 0xC0) {
      extra = 1, cp = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
      extra = 2, cp = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
      extra = 3, cp = c & 0x07;
    } else {
      return false;
    }
    if (i + extra >= s.size()) return false;
    for (size_t k = 1; k <= extra; ++k) {
      const unsigned char t = s[i + k];
      if ((t & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (t & 0x3F);
    }
    const unsigned long min[] = {0, 0x80, 0x800, 0x10000};
    if (cp < min[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
      return false;
    i += extra + 1;
  }
  return true;
}

#endif  // TESSAROLL_TESTS_SUPPORT_UTF8_H_
