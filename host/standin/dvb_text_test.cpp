#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "host/services.h"
#include "tests/support/utf8.h"

namespace {

std::vector<unsigned char> fromHex(const std::string& hex) {
  std::vector<unsigned char> bytes;
  for (size_t i = 0; i < hex.size();) {
    if (hex[i] == ' ') {
      ++i;
      continue;
    }
    bytes.push_back(
        static_cast<unsigned char>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    i += 2;
  }
  return bytes;
}

// Converts from a heap block of exactly the input's size, so that reading
// one byte too far is an AddressSanitizer report.
std::string convert(const std::vector<unsigned char>& bytes) {
  std::unique_ptr<unsigned char[]> exact(
      new unsigned char[bytes.size() + (bytes.empty() ? 1 : 0)]);
  std::copy(bytes.begin(), bytes.end(), exact.get());
  return convertDVBUTF8(exact.get(), static_cast<int>(bytes.size()), 0, 0);
}

struct Vector {
  const char* input;     // hex
  const char* expected;  // UTF-8 hex
  const char* what;
};

// The reference vectors: rows 1-25 come from checks against glibc iconv,
// Python's codecs and unicodedata, and the table 00 figure; the rest pin
// down how bad or unusual input degrades.
const Vector kVectors[] = {
    {"4D C8 75 6E 63 68 65 6E", "4D C3 BC 6E 63 68 65 6E",
     "1 Muenchen: mark before letter"},
    {"C8 41 C8 4F C8 55 FB", "C3 84 C3 96 C3 9C C3 9F",
     "2 capital umlauts, sharp s"},
    {"43 61 66 C2 65", "43 61 66 C3 A9", "3 Cafe"},
    {"C8 20", "C2 A8", "4 spacing diaeresis"},
    {"A4 20 35", "E2 82 AC 20 35", "5 euro sign in table 00"},
    {"D0", "E2 80 95", "6 horizontal bar"},
    {"C8 78", "E1 BA 8D", "7 x with diaeresis"},
    {"61 62 63 C8", "61 62 63", "8 lone mark at the end"},
    {"41 86 42 87 43", "41 42 43", "9 emphasis dropped"},
    {"41 8A 42", "41 20 42", "10 CR/LF as space"},
    {"05 4B F6 6C 6E", "4B C3 B6 6C 6E", "11 ISO 8859-9"},
    {"01 BC DE E1 DA D2 D0", "D0 9C D0 BE D1 81 D0 BA D0 B2 D0 B0",
     "12 ISO 8859-5"},
    {"10 00 02 50 F8 ED 6C 69 B9", "50 C5 99 C3 AD 6C 69 C5 A1",
     "13 0x10 part 2"},
    {"10 00 0F A4 31 30", "E2 82 AC 31 30", "14 0x10 part 15"},
    {"10", "", "15 truncated 0x10"},
    {"10 00 00 41", "41", "16 reserved part 0"},
    {"11 4E 2D 65 87", "E4 B8 AD E6 96 87", "17 UCS-2"},
    {"11 4E 2D 65", "E4 B8 AD", "18 UCS-2 odd byte"},
    {"11 E0 86 4E 2D E0 87", "E4 B8 AD", "19 UCS-2 emphasis dropped"},
    {"12 C7 D1 B1 B9", "ED 95 9C EA B5 AD", "20 EUC-KR"},
    {"13 D6 D0 CE C4", "E4 B8 AD E6 96 87", "21 GB2312"},
    {"14 A4 A4 A4 E5", "E4 B8 AD E6 96 87", "22 BIG5"},
    {"15 E2 82 AC 35", "E2 82 AC 35", "23 UTF-8 keeps byte 0x82"},
    {"1F 01 8B 2C", "", "24 encoding_type_id"},
    {"0C 41 42", "41 42", "25 reserved selector"},

    // Table 00.
    {"C8 C8 61", "C3 A4", "mark before a mark: the first is dropped"},
    {"C8 31 32", "31 32", "mark before a digit is dropped"},
    {"C7 69", "69 CC 87", "no precomposed form: letter, then combining mark"},
    {"CF 20 C1 20", "CB 87 60", "spacing caron, spacing grave"},
    {"A6 C0 C9 61 CC D8 DB E5", "61", "undefined positions dropped"},
    {"41 0A 42 0D 43 09 44 7F 45", "41 20 42 20 43 44 45",
     "stray LF/CR as space, other C0 dropped"},
    {"41 80 85 9F 42", "41 42", "reserved and user-defined codes dropped"},
    {"A0 FF", "C2 A0 C2 AD", "no-break space, soft hyphen"},
    // Selectors.
    {"00 41", "41", "zero byte as selector"},
    {"08 41", "41", "reserved 0x08"},
    {"1E 41", "41", "reserved 0x1E"},
    {"1F", "", "0x1F alone"},
    {"10 00", "", "0x10 with one byte"},
    {"10 00 0C 41", "41", "reserved part 12"},
    {"10 00 10 41", "41", "reserved part 16"},
    {"10 01 01 41", "41", "0x10 with a nonzero high byte"},
    {"10 00 01 E9", "C3 A9", "0x10 part 1"},
    // Single-byte tables through iconv.
    {"03 41 AE 42", "41 42", "unassigned byte skipped (ISO 8859-7)"},
    {"05 41 86 42 8A 43", "41 42 20 43", "C1 controls from iconv"},
    {"0B A4", "E2 82 AC", "ISO 8859-15 euro"},
    {"07 A1", "E0 B8 81", "ISO 8859-11 Thai"},
    // Multi-byte tables through iconv.
    {"12 C7 D1 B1", "ED 95 9C", "EUC-KR cut inside a character"},
    {"12 FF C7 D1", "ED 95 9C", "EUC-KR bad byte skipped"},
    {"13 D6", "", "GB2312 lead byte alone"},
    // 0x11.
    {"11", "", "0x11 alone"},
    {"11 4E", "", "0x11 one byte"},
    {"11 D8 3D DE 00", "F0 9F 98 80", "surrogate pair"},
    {"11 D8 3D 00 41", "41", "high surrogate without its low half"},
    {"11 DE 00 00 41", "41", "lone low surrogate"},
    {"11 D8 3D D8 3D DE 00", "F0 9F 98 80", "two high surrogates"},
    {"11 D8 3D", "", "high surrogate at the end"},
    {"11 00 0A 00 8A E0 8A 00 41", "20 20 20 41", "0x11 line breaks"},
    {"11 E0 9F E0 80 00 7F 00 1B", "", "0x11 private and control codes"},
    // 0x15.
    {"15 C3 28", "28", "bad lead byte skipped"},
    {"15 ED A0 80 41", "41", "encoded surrogate rejected"},
    {"15 C0 AF 41", "41", "overlong form rejected"},
    {"15 F4 90 80 80", "", "above U+10FFFF rejected"},
    {"15 41 E2 82", "41", "truncated tail"},
    {"15 C2 8A C2 86 41", "20 41", "UTF-8 C1 codes"},
    {"15 EE 82 86 41 EE 82 8A 42", "41 20 42", "UTF-8 private-use codes"},
    {"15 F0 9F 98 80", "F0 9F 98 80", "four-byte character kept"},
};

TEST(DvbTextTest, Vectors) {
  for (const Vector& v : kVectors) {
    const std::vector<unsigned char> expected = fromHex(v.expected);
    EXPECT_EQ(convert(fromHex(v.input)),
              std::string(expected.begin(), expected.end()))
        << v.what << " (input " << v.input << ")";
  }
}

TEST(DvbTextTest, NothingToConvert) {
  const unsigned char byte = 'A';
  EXPECT_EQ(convertDVBUTF8(nullptr, 5, 0, 0), "");
  EXPECT_EQ(convertDVBUTF8(&byte, 0, 0, 0), "");
  EXPECT_EQ(convertDVBUTF8(&byte, -1, 0, 0), "");
  EXPECT_EQ(convertDVBUTF8(&byte, 1), "A");
}

void expectSound(const std::vector<unsigned char>& input) {
  const std::string out = convert(input);
  std::string hex;
  for (unsigned char b : input)
    hex += "0123456789ABCDEF"[b >> 4], hex += "0123456789ABCDEF"[b & 15];
  ASSERT_TRUE(isValidUtf8(out)) << "input " << hex;
  ASSERT_LE(out.size(), 3 * input.size()) << "input " << hex;
}

// Every prefix of inputs that stop in awkward places: inside selectors,
// marks, surrogate pairs and multi-byte characters.
TEST(DvbTextTest, EveryPrefixIsSound) {
  const char* kTricky[] = {
      "10 00 02 50 F8 ED 6C 69 B9", "11 D8 3D DE 00 4E 2D 65",
      "12 C7 D1 B1 B9 FF",          "13 D6 D0 CE C4 80",
      "14 A4 A4 A4 E5 F9",          "15 F0 9F 98 80 E2 82 AC C3",
      "C8 61 CF 20 C7 69 C8",       "1F 01 8B 2C",
      "05 41 86 8A FF 00",          "10 00 0F A4 31 30",
  };
  for (const char* t : kTricky) {
    const std::vector<unsigned char> full = fromHex(t);
    for (size_t n = 0; n <= full.size(); ++n) {
      expectSound(std::vector<unsigned char>(full.begin(), full.begin() + n));
    }
  }
}

// Every text of one or two bytes, and every three-byte text behind the
// selectors that read further bytes.
TEST(DvbTextTest, ShortTextsAreSound) {
  for (int a = 0; a < 256; ++a) {
    expectSound({static_cast<unsigned char>(a)});
    for (int b = 0; b < 256; ++b) {
      expectSound(
          {static_cast<unsigned char>(a), static_cast<unsigned char>(b)});
    }
  }
  for (unsigned char selector : {0x05, 0x10, 0x11, 0x12, 0x14, 0x15}) {
    for (int a = 0; a < 256; ++a) {
      for (int b = 0; b < 256; ++b) {
        expectSound({selector, static_cast<unsigned char>(a),
                     static_cast<unsigned char>(b)});
      }
    }
  }
}

}  // namespace
