// Event files lie on the disk beside recordings and may hold anything: a
// broken download, another receiver's format, a file cut short. Whatever
// the bytes, the reader reads nothing past them and gives texts that fit
// their one-byte length fields and hold no zero byte, and reading the file
// gives what parsing its first 4096 bytes gives.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "builder/eit_reader.h"
#include "builder/fsys.h"

namespace {

constexpr const char* kPath = "/hdd/movie/film.eit";

// Serves the fuzzer's bytes as the one event file, without touching the disk.
class OneFile : public fsys::FileSystemWrapper {
 public:
  explicit OneFile(fsys::FileSystem& real) : FileSystemWrapper(real) {}
  bool readFile(const std::string& path, size_t max,
                std::string* out) override {
    if (path != kPath) return false;
    *out = content.substr(0, max);
    return true;
  }
  std::string content;
};

void check(bool ok) {
  if (!ok) abort();
}

void checkText(const std::string& s) {
  check(s.size() <= 255);
  check(s.find('\0') == std::string::npos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::unique_ptr<fsys::FileSystem> real =
      fsys::makeRealFileSystem("");
  static OneFile* const file = [] {
    auto* f = new OneFile(*real);
    fsys::setFileSystem(f);
    return f;
  }();

  // An exact-size copy, so that AddressSanitizer sees any read past it.
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  ShortEvent parsed;
  const bool found = parseShortEvent(bytes, &parsed);
  if (found) {
    checkText(parsed.name);
    checkText(parsed.text);
  }

  file->content = bytes;
  ShortEvent read;
  const bool read_found = readShortEvent(kPath, &read);
  ShortEvent head;
  const bool head_found = parseShortEvent(bytes.substr(0, 4096), &head);
  check(read_found == head_found);
  if (read_found) {
    check(read.name == head.name && read.text == head.text);
    check(GetShortEventDiscriptorFromFile(0, kPath) == read.name);
    check(GetShortEventDiscriptorFromFile(1, kPath) == read.text);
  } else {
    check(GetShortEventDiscriptorFromFile(0, kPath).empty());
  }
  return 0;
}
