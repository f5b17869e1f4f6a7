// Reading transcripts in tests: the host's events, shortened to one line
// each so that a whole run can be compared at once.
#ifndef TESSAROLL_TESTS_SUPPORT_TRANSCRIPT_H_
#define TESSAROLL_TESTS_SUPPORT_TRANSCRIPT_H_

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

/// "lock", "window Tessaroll Builder", "messagebox Warning 33",
/// "answer Warning 4", "return 0": the event with its title or caption,
/// flags and result.
std::vector<std::string> outline(const nlohmann::json& events);

/// The texts of the message boxes shown, in order.
std::vector<std::string> boxTexts(const nlohmann::json& events);

#endif  // TESSAROLL_TESTS_SUPPORT_TRANSCRIPT_H_
