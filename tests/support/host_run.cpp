#include "tests/support/host_run.h"

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

std::string readAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

std::string quoted(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

}  // namespace

HostRun runHost(const std::string& root, const std::vector<std::string>& keys) {
  // Beside the root, not in it: the plugin must not see these files.
  const std::string keys_path = root + ".keys";
  const std::string transcript_path = root + ".transcript";
  const std::string err_path = root + ".stderr";
  {
    std::ofstream out(keys_path, std::ios::binary);
    for (const std::string& key : keys) out << key << '\n';
  }
  // A host that waited for ever would be a fault of its own; the timeout
  // turns it into a failed test instead of a stuck suite.
  const std::string command =
      "timeout 60 " + quoted(TESSAROLL_HOST) + " --plugin " +
      quoted(TESSAROLL_PLUGIN) + " --root " + quoted(root) + " --keys " +
      quoted(keys_path) + " --transcript " + quoted(transcript_path) +
      " </dev/null 2>" + quoted(err_path);
  const int raw = std::system(command.c_str());

  HostRun run;
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  std::istringstream lines(readAll(transcript_path));
  for (std::string line; std::getline(lines, line);)
    run.events.push_back(nlohmann::json::parse(line));
  run.err = readAll(err_path);
  std::remove(keys_path.c_str());
  std::remove(transcript_path.c_str());
  std::remove(err_path.c_str());
  return run;
}
