// The in-memory session for unit tests.
#include "host/standin/testing.h"

#include <cstdio>
#include <cstdlib>

namespace standin {

HeadlessSession::HeadlessSession(const std::vector<std::string>& keys)
    : previous_keys_(setKeySource(&keys_)), previous_out_(setTranscript(&out_)) {
  addKeys(keys);
}

HeadlessSession::~HeadlessSession() {
  setKeySource(previous_keys_);
  setTranscript(previous_out_);
}

void HeadlessSession::addKeys(const std::vector<std::string>& keys) {
  for (const std::string& line : keys) {
    KeyLine parsed = parseKeyLine(line);
    if (parsed.status == KeyLine::kUnknown) {
      // A typo in a test's key list is the test's bug; stop at once.
      std::fprintf(stderr, "HeadlessSession: unknown key \"%s\"\n",
                   line.c_str());
      std::abort();
    }
    if (parsed.status == KeyLine::kKey) keys_.add(parsed.key);
  }
}

nlohmann::json HeadlessSession::events() const {
  nlohmann::json events = nlohmann::json::array();
  std::istringstream lines(out_.str());
  std::string line;
  while (std::getline(lines, line)) {
    events.push_back(nlohmann::json::parse(line));
  }
  return events;
}

}  // namespace standin
