// Broadcast (DVB) text to UTF-8. The event files beside recordings carry
// their texts in the character tables of ETSI EN 300 468 Annex A: a first
// byte may select a table, otherwise the text is in the Latin table 00.
// Decoding never fails as a whole: bad parts are skipped and the rest is
// kept, and nothing past `len` is read.
#include <iconv.h>

#include <cerrno>
#include <cstddef>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "host/services.h"

namespace {

#include "host/standin/dvb_table00.inc"

using CodePoints = std::vector<char32_t>;

// Table 00 bytes 0xA0..0xFF. Zero marks the undefined positions; the 0xC?
// row holds the combining marks that the diacritic bytes stand for. Unlike
// ISO 6937 (and glibc's ISO_6937), 0xA4 is the euro sign and 0xD0 the
// horizontal bar.
constexpr char16_t kHighHalf[96] = {
    0x00A0, 0x00A1, 0x00A2, 0x00A3, 0x20AC, 0x00A5, 0x0000, 0x00A7,  // A0
    0x00A4, 0x2018, 0x201C, 0x00AB, 0x2190, 0x2191, 0x2192, 0x2193,  // A8
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00D7, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x00F7, 0x2019, 0x201D, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x00BF,  // B8
    0x0000, 0x0300, 0x0301, 0x0302, 0x0303, 0x0304, 0x0306, 0x0307,  // C0
    0x0308, 0x0000, 0x030A, 0x0327, 0x0000, 0x030B, 0x0328, 0x030C,  // C8
    0x2015, 0x00B9, 0x00AE, 0x00A9, 0x2122, 0x266A, 0x00AC, 0x00A6,  // D0
    0x0000, 0x0000, 0x0000, 0x0000, 0x215B, 0x215C, 0x215D, 0x215E,  // D8
    0x2126, 0x00C6, 0x0110, 0x00AA, 0x0126, 0x0000, 0x0132, 0x013F,  // E0
    0x0141, 0x00D8, 0x0152, 0x00BA, 0x00DE, 0x0166, 0x014A, 0x0149,  // E8
    0x0138, 0x00E6, 0x0111, 0x00F0, 0x0127, 0x0131, 0x0133, 0x0140,  // F0
    0x0142, 0x00F8, 0x0153, 0x00DF, 0x00FE, 0x0167, 0x014B, 0x00AD,  // F8
};

// A diacritic byte 0xC1..0xCF followed by a space is the accent on its own.
constexpr char16_t kSpacingAccent[15] = {
    0x0060, 0x00B4, 0x005E, 0x007E, 0x00AF, 0x02D8, 0x02D9, 0x00A8,  // C1
    0x0000, 0x02DA, 0x00B8, 0x0000, 0x02DD, 0x02DB, 0x02C7,          // C9
};

int letterIndex(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return c - 'A';
  if (c >= 'a' && c <= 'z') return 26 + (c - 'a');
  return -1;
}

void decodeTable00(const unsigned char* p, size_t n, CodePoints* out) {
  for (size_t i = 0; i < n; ++i) {
    const unsigned char c = p[i];
    if (c < 0xA0) {
      // ASCII, and the controls that the control pass deals with.
      out->push_back(c);
      continue;
    }
    const char16_t mapped = kHighHalf[c - 0xA0];
    if (mapped == 0) continue;
    if (c < 0xC1 || c > 0xCF) {
      out->push_back(mapped);
      continue;
    }
    // A diacritic comes before its letter; Unicode wants it after.
    if (i + 1 >= n) break;
    const unsigned char next = p[i + 1];
    if (next == ' ') {
      out->push_back(kSpacingAccent[c - 0xC1]);
      ++i;
      continue;
    }
    const int letter = letterIndex(next);
    if (letter < 0) continue;  // no letter to carry it: drop the mark
    const char16_t composed = kComposed[c - 0xC1][letter];
    if (composed != 0) {
      out->push_back(composed);
    } else {
      out->push_back(next);
      out->push_back(mapped);
    }
    ++i;
  }
}

// ISO/IEC 10646 BMP, two bytes a character, most significant first. Built
// from the bytes, so the host's own byte order does not matter.
void decodeUcs2(const unsigned char* p, size_t n, CodePoints* out) {
  char32_t high = 0;  // a high surrogate waiting for its low half
  for (size_t i = 0; i + 1 < n; i += 2) {
    const char32_t u = (char32_t{p[i]} << 8) | p[i + 1];
    if (u >= 0xDC00 && u <= 0xDFFF) {
      if (high != 0) {
        out->push_back(0x10000 + ((high - 0xD800) << 10) + (u - 0xDC00));
      }
      high = 0;  // a low half without its high half is dropped
    } else if (u >= 0xD800 && u <= 0xDBFF) {
      high = u;  // a previous unpaired one is dropped
    } else {
      high = 0;
      out->push_back(u);
    }
  }
}

// Takes only well-formed UTF-8: a byte that does not start a complete,
// shortest-form sequence of a scalar value is skipped on its own.
void decodeUtf8(const unsigned char* p, size_t n, CodePoints* out) {
  size_t i = 0;
  while (i < n) {
    const unsigned char c = p[i];
    size_t extra;
    char32_t cp;
    char32_t min;
    if (c < 0x80) {
      out->push_back(c);
      ++i;
      continue;
    } else if (c >= 0xC2 && c <= 0xDF) {
      extra = 1, cp = c & 0x1F, min = 0x80;
    } else if (c >= 0xE0 && c <= 0xEF) {
      extra = 2, cp = c & 0x0F, min = 0x800;
    } else if (c >= 0xF0 && c <= 0xF4) {
      extra = 3, cp = c & 0x07, min = 0x10000;
    } else {
      ++i;
      continue;
    }
    bool ok = i + extra < n;
    for (size_t k = 1; ok && k <= extra; ++k) {
      const unsigned char t = p[i + k];
      ok = (t & 0xC0) == 0x80;
      cp = (cp << 6) | (t & 0x3F);
    }
    ok = ok && cp >= min && cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF);
    if (ok) {
      out->push_back(cp);
      i += extra + 1;
    } else {
      ++i;
    }
  }
}

// One converter per charset for the life of the process; one that cannot be
// opened stays unusable and is not tried again. The mutex keeps two threads
// off one descriptor's conversion state.
class Converter {
 public:
  explicit Converter(const char* charset)
      : cd_(iconv_open("UTF-32BE", charset)) {}
  ~Converter() {
    if (usable()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool usable() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t descriptor() const { return cd_; }

 private:
  iconv_t cd_;
};

std::mutex& convertersMutex() {
  static std::mutex m;
  return m;
}

const Converter& converterFor(const char* charset) {
  static std::map<std::string, Converter> converters;
  return converters.try_emplace(charset, charset).first->second;
}

// Decodes with the system's converters into UTF-32BE and reads the code
// points back from the bytes.
void decodeIconv(const char* charset, const unsigned char* p, size_t n,
                 CodePoints* out) {
  std::lock_guard<std::mutex> lock(convertersMutex());
  const Converter& converter = converterFor(charset);
  if (!converter.usable()) {
    // Without the converter only the ASCII part can be trusted.
    for (size_t i = 0; i < n; ++i) {
      if (p[i] < 0x80) out->push_back(p[i]);
    }
    return;
  }
  iconv_t cd = converter.descriptor();
  // Forget whatever state the previous text left behind.
  iconv(cd, nullptr, nullptr, nullptr, nullptr);

  // Every charset used here gives at most one code point per input byte.
  std::vector<char> buf(4 * n + 4);
  char* in = const_cast<char*>(reinterpret_cast<const char*>(p));
  size_t in_left = n;
  size_t used = 0;
  while (in_left > 0) {
    char* o = buf.data() + used;
    size_t o_left = buf.size() - used;
    const size_t r = iconv(cd, &in, &in_left, &o, &o_left);
    used = buf.size() - o_left;
    if (r != static_cast<size_t>(-1)) break;
    if (errno == E2BIG) {
      buf.resize(buf.size() * 2);
    } else if (errno == EILSEQ) {
      ++in;  // an unmapped or malformed byte: skip it and go on
      --in_left;
    } else {
      break;  // EINVAL: the text ends inside a character
    }
  }
  for (size_t i = 0; i + 3 < used; i += 4) {
    const auto b = [&](size_t k) {
      return char32_t{static_cast<unsigned char>(buf[i + k])};
    };
    out->push_back((b(0) << 24) | (b(1) << 16) | (b(2) << 8) | b(3));
  }
}

// ISO 8859 parts as the selector bytes 0x01..0x0B name them; 0 is reserved.
int isoPartForSelector(unsigned char selector) {
  static constexpr int kParts[12] = {0, 5, 6, 7, 8, 9, 10, 11, 0, 13, 14, 15};
  return kParts[selector];
}

bool isDefinedIsoPart(unsigned part) {
  return (part >= 1 && part <= 11) || (part >= 13 && part <= 15);
}

void decodeIso8859(unsigned part, const unsigned char* p, size_t n,
                   CodePoints* out) {
  const std::string charset = "ISO-8859-" + std::to_string(part);
  decodeIconv(charset.c_str(), p, n, out);
}

// Reads the selector and decodes the rest. Returns nothing for texts that
// cannot be shown: compressed or private ones, and selectors cut short.
CodePoints decode(const unsigned char* p, size_t n) {
  CodePoints cps;
  cps.reserve(n);
  const unsigned char first = p[0];
  if (first >= 0x20) {
    decodeTable00(p, n, &cps);
  } else if (first >= 0x01 && first <= 0x0B && isoPartForSelector(first) != 0) {
    decodeIso8859(isoPartForSelector(first), p + 1, n - 1, &cps);
  } else if (first == 0x10) {
    if (n < 3) return cps;
    const unsigned part = (unsigned{p[1]} << 8) | p[2];
    if (isDefinedIsoPart(part)) {
      decodeIso8859(part, p + 3, n - 3, &cps);
    } else {
      // Best effort: a reserved part still keeps its ASCII readable.
      decodeTable00(p + 3, n - 3, &cps);
    }
  } else if (first == 0x11) {
    decodeUcs2(p + 1, n - 1, &cps);
  } else if (first == 0x12) {
    decodeIconv("EUC-KR", p + 1, n - 1, &cps);
  } else if (first == 0x13) {
    decodeIconv("GB2312", p + 1, n - 1, &cps);
  } else if (first == 0x14) {
    decodeIconv("BIG5", p + 1, n - 1, &cps);
  } else if (first == 0x15) {
    decodeUtf8(p + 1, n - 1, &cps);
  } else if (first == 0x1F) {
    return cps;  // broadcaster-specific coding (e.g. Freesat Huffman)
  } else {
    // Reserved selectors (and a zero byte) are skipped.
    decodeTable00(p + 1, n - 1, &cps);
  }
  return cps;
}

void appendUtf8(char32_t cp, std::string* out) {
  if (cp < 0x80) {
    out->push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out->push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out->push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out->push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out->push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out->push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

// The control codes, done once on decoded code points so that no byte of a
// multi-byte character is ever mistaken for one. The text ends up in a
// one-line playlist record, so line breaks become spaces. Emphasis and all
// other controls would show as invisible characters or boxes.
void appendShown(char32_t cp, std::string* out) {
  const bool line_break =
      cp == 0x0A || cp == 0x0D || cp == 0x8A || cp == 0xE08A;
  if (line_break) {
    out->push_back(' ');
    return;
  }
  const bool control =
      cp < 0x20 || (cp >= 0x7F && cp <= 0x9F) || (cp >= 0xE080 && cp <= 0xE09F);
  const bool not_scalar = (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF;
  if (control || not_scalar) return;
  appendUtf8(cp, out);
}

}  // namespace

eString convertDVBUTF8(const unsigned char* data, int len, int /*table*/,
                       int /*tsidonid*/) {
  if (data == nullptr || len <= 0) return eString();
  std::string out;
  out.reserve(3 * static_cast<size_t>(len));
  for (char32_t cp : decode(data, static_cast<size_t>(len)))
    appendShown(cp, &out);
  return eString(std::move(out));
}
