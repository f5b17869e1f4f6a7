// The stand-in host's change of root.
#include "host/standin/root.h"

namespace standin {
namespace {

// Without its trailing slashes, so that joining never doubles one and "/"
// becomes the empty root.
std::string& rootDir() {
  static std::string dir;
  return dir;
}

}  // namespace

void setRoot(const std::string& dir) {
  std::string::size_type end = dir.find_last_not_of('/');
  rootDir() = end == std::string::npos ? std::string() : dir.substr(0, end + 1);
}

std::string rooted(const std::string& path) {
  if (rootDir().empty() || path.empty() || path[0] != '/') return path;
  return rootDir() + path;
}

}  // namespace standin
