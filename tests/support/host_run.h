// Runs the built tessaroll-host with the built plugin on a sandbox root,
// headless, and collects what it did.
#ifndef TESSAROLL_TESTS_SUPPORT_HOST_RUN_H_
#define TESSAROLL_TESTS_SUPPORT_HOST_RUN_H_

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

struct HostRun {
  int status = -1;  // the exit status; -1 when the host did not exit
  nlohmann::json events = nlohmann::json::array();
  std::string err;  // standard error
};

/// Runs the host with `--root root`, the given key lines and a transcript.
HostRun runHost(const std::string& root, const std::vector<std::string>& keys);

#endif  // TESSAROLL_TESTS_SUPPORT_HOST_RUN_H_
