#include "builder/eit_reader.h"

#include <cstddef>

#include "builder/fsys.h"

namespace {

constexpr size_t kReadLimit = 4096;
constexpr size_t kDescriptorsStart = 12;
constexpr unsigned char kShortEventTag = 0x4D;

std::string cutAtZero(const std::string& data, size_t pos, size_t len) {
  std::string s = data.substr(pos, len);
  size_t zero = s.find('\0');
  if (zero != std::string::npos) s.resize(zero);
  return s;
}

// Body: language (3), name length a, a bytes, text length b, b bytes.
bool parseBody(const std::string& data, size_t body, size_t body_len,
               ShortEvent* out) {
  const size_t end = body + body_len;
  size_t pos = body + 3;
  if (pos >= end) return false;
  const size_t a = static_cast<unsigned char>(data[pos++]);
  if (a > end - pos) return false;
  const size_t name_pos = pos;
  pos += a;
  if (pos >= end) return false;
  const size_t b = static_cast<unsigned char>(data[pos++]);
  if (b > end - pos) return false;
  out->name = cutAtZero(data, name_pos, a);
  out->text = cutAtZero(data, pos, b);
  return true;
}

}  // namespace

bool parseShortEvent(const std::string& data, ShortEvent* out) {
  if (data.size() < kDescriptorsStart) return false;
  const auto byte = [&](size_t i) {
    return static_cast<unsigned char>(data[i]);
  };
  const size_t length = ((byte(10) & 0x0F) << 8) | byte(11);
  bool found = false;
  for (size_t p = 0; p < length;) {
    const size_t at = kDescriptorsStart + p;
    if (at + 2 > data.size()) break;
    const size_t n = byte(at + 1);
    const size_t body = at + 2;
    if (n > data.size() - body) break;  // the rest was not read
    if (byte(at) == kShortEventTag) {
      ShortEvent ev;
      if (parseBody(data, body, n, &ev)) {
        *out = std::move(ev);
        found = true;
      }
    }
    p += n + 2;
  }
  return found;
}

bool readShortEvent(const std::string& path, ShortEvent* out) {
  // Kept between calls: a rebuild reads one event file per recording.
  static std::string data;
  if (!fsys::fs().readFile(path, kReadLimit, &data)) return false;
  return parseShortEvent(data, out);
}

eString GetShortEventDiscriptorFromFile(int which, const eString& path) {
  ShortEvent ev;
  if (!readShortEvent(path, &ev)) return eString();
  return which == 1 ? ev.text : ev.name;
}
