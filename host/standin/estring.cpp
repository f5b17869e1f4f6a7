// The stand-in's byte string operations.
#include "host/estring.h"

#include <cstring>

eString& eString::strReplace(const char* what, const eString& with) {
  // An empty pattern would match everywhere and never advance.
  if (what == nullptr || *what == '\0') return *this;
  const size_type what_len = std::strlen(what);
  std::string out;
  size_type from = 0;
  for (size_type at = find(what, 0, what_len); at != npos;
       at = find(what, from, what_len)) {
    out.append(*this, from, at - from);
    out += with;
    from = at + what_len;
  }
  if (from == 0) return *this;
  out.append(*this, from, npos);
  assign(std::move(out));
  return *this;
}
