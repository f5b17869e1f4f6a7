// Transcript lines: one JSON object a line for each event the host reports.
// Texts are the host's byte strings, which need not be valid UTF-8, so the
// encoding is done here rather than by a JSON library that would refuse
// them.
#ifndef TESSAROLL_HOST_STANDIN_TRANSCRIPT_H_
#define TESSAROLL_HOST_STANDIN_TRANSCRIPT_H_

#include <initializer_list>
#include <string>
#include <string_view>

namespace standin {

/// One field of an event: a text or a number.
struct Field {
  Field(const char* name, std::string_view text)
      : name(name), text(text), is_text(true) {}
  Field(const char* name, int number) : name(name), number(number) {}
  const char* name;
  std::string_view text;
  int number = 0;
  bool is_text = false;
};

/// `bytes` as a JSON string with its quotes. Valid UTF-8 sequences stand as
/// they are; every byte that is not part of one is written as \u00XX.
std::string jsonString(std::string_view bytes);

/// {"event":`event`, then `fields` in order}, without a line end.
std::string eventLine(const char* event, std::initializer_list<Field> fields);

}  // namespace standin

#endif  // TESSAROLL_HOST_STANDIN_TRANSCRIPT_H_
