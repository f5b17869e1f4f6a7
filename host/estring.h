// The host's byte string. Texts in the toolkit are plain bytes; only texts
// that came from broadcast event data are ever converted (see services.h).
#ifndef TESSAROLL_HOST_ESTRING_H_
#define TESSAROLL_HOST_ESTRING_H_

#include <string>
#include <utility>

class eString : public std::string {
 public:
  eString() = default;
  eString(const char* s) : std::string(s ? s : "") {}
  eString(const char* s, size_type n) : std::string(s, n) {}
  eString(const std::string& s) : std::string(s) {}
  eString(std::string&& s) : std::string(std::move(s)) {}

  /// Replaces every occurrence of `what` by `with`, scanning left to right
  /// and never rescanning replaced text. Returns *this.
  eString& strReplace(const char* what, const eString& with);
};

#endif  // TESSAROLL_HOST_ESTRING_H_
