// The host's key lookup in "key=value" files, such as the plugin's settings.
#include <fstream>
#include <string>

#include "host/services.h"
#include "host/standin/root.h"

eString getAttribute(const eString& file, const eString& attribute) {
  std::ifstream in(standin::rooted(file), std::ios::binary);
  std::string line;
  // getline grows the string as needed, so neither long lines nor binary
  // bytes (zero bytes included) can run past a buffer; a last line without
  // "\n" is still delivered.
  while (std::getline(in, line)) {
    const std::string::size_type eq = line.find('=');
    if (eq != std::string::npos && line.compare(0, eq, attribute) == 0) {
      return eString(line.substr(eq + 1));
    }
  }
  return eString("&nbsp;");
}
