// Encoding of transcript events as JSON lines.
#include "host/standin/transcript.h"

#include <cstdio>

namespace standin {
namespace {

void appendEscapedByte(unsigned char byte, std::string* out) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "\\u%04x", byte);
  *out += buf;
}

/// Length of the valid UTF-8 sequence at the start of `s`, 0 when there is
/// none. Overlong forms, surrogates and code points past U+10FFFF are not
/// valid (RFC 3629).
size_t utf8SequenceLength(std::string_view s) {
  auto byte = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
  unsigned char b0 = byte(0);
  size_t len;
  unsigned char min1 = 0x80, max1 = 0xBF;
  if (b0 < 0x80) return 1;
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    len = 2;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    len = 3;
    if (b0 == 0xE0) min1 = 0xA0;
    if (b0 == 0xED) max1 = 0x9F;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    len = 4;
    if (b0 == 0xF0) min1 = 0x90;
    if (b0 == 0xF4) max1 = 0x8F;
  } else {
    return 0;
  }
  if (s.size() < len) return 0;
  if (byte(1) < min1 || byte(1) > max1) return 0;
  for (size_t i = 2; i < len; ++i) {
    if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
  }
  return len;
}

}  // namespace

std::string jsonString(std::string_view bytes) {
  std::string out = "\"";
  while (!bytes.empty()) {
    unsigned char c = static_cast<unsigned char>(bytes[0]);
    size_t len = utf8SequenceLength(bytes);
    if (len == 0) {
      appendEscapedByte(c, &out);
      len = 1;
    } else if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\t') {
      out += "\\t";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c < 0x20) {
      appendEscapedByte(c, &out);
    } else {
      out.append(bytes.data(), len);
    }
    bytes.remove_prefix(len);
  }
  out += '"';
  return out;
}

std::string eventLine(const char* event, std::initializer_list<Field> fields) {
  std::string line = "{\"event\":" + jsonString(event);
  for (const Field& field : fields) {
    line += ',' + jsonString(field.name) + ':';
    line += field.is_text ? jsonString(field.text)
                          : std::to_string(field.number);
  }
  line += '}';
  return line;
}

}  // namespace standin
