#include "tests/support/transcript.h"

std::vector<std::string> outline(const nlohmann::json& events) {
  std::vector<std::string> lines;
  for (const auto& e : events) {
    std::string line = e["event"];
    for (const char* text : {"title", "caption"})
      if (e.contains(text)) line += " " + e[text].get<std::string>();
    for (const char* number : {"flags", "result"})
      if (e.contains(number)) line += " " + std::to_string(e[number].get<int>());
    lines.push_back(line);
  }
  return lines;
}

std::vector<std::string> boxTexts(const nlohmann::json& events) {
  std::vector<std::string> texts;
  for (const auto& e : events)
    if (e["event"] == "messagebox") texts.push_back(e["text"]);
  return texts;
}
