// Broadcast text comes from files anyone can put on the disk, so the
// decoder must take any bytes: it may read nothing past the input and must
// always give valid UTF-8, at most three bytes for every input byte.
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "host/services.h"
#include "tests/support/utf8.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > INT_MAX) return 0;
  const std::string out = convertDVBUTF8(data, static_cast<int>(size), 0, 0);
  if (!isValidUtf8(out)) abort();
  if (out.size() > 3 * size) abort();
  return 0;
}
