// The stand-in host's change of root (--root): the host's own reads of
// absolute paths happen inside a sandbox directory, just as the plugin's
// file layer puts the same directory in front of the paths it opens.
#ifndef TESSAROLL_HOST_STANDIN_ROOT_H_
#define TESSAROLL_HOST_STANDIN_ROOT_H_

#include <string>

namespace standin {

/// Sets the directory that absolute paths are taken inside. An empty `dir`
/// or "/" leaves every path as it stands (the default).
void setRoot(const std::string& dir);

/// `path` as the host opens it: an absolute path inside the root
/// ("/hdd/movie" becomes DIR/hdd/movie); a path that does not begin with
/// "/", an empty one included, as it stands.
std::string rooted(const std::string& path);

}  // namespace standin

#endif  // TESSAROLL_HOST_STANDIN_ROOT_H_
