// Reads the event saved beside a recording: the short event descriptor of
// the one event in its ".eit" file (an entry of a DVB event information
// table). The texts are still in DVB character coding.
#ifndef TESSAROLL_BUILDER_EIT_READER_H_
#define TESSAROLL_BUILDER_EIT_READER_H_

#include <string>

#include "host/estring.h"

struct ShortEvent {
  std::string name;  // each cut at its first zero byte
  std::string text;
};

/// Parses the first bytes of an event file. When several short event
/// descriptors are present the last well-formed one wins. A descriptor
/// whose fields do not fit inside its own length or inside `data` is
/// ignored. False when none was found.
bool parseShortEvent(const std::string& data, ShortEvent* out);

/// Reads the first 4096 bytes of the event file at `path` and parses them.
bool readShortEvent(const std::string& path, ShortEvent* out);

/// The event's short text when `which` is 1, else its name; empty when the
/// file cannot be read or holds no short event descriptor.
eString GetShortEventDiscriptorFromFile(int which, const eString& path);

#endif  // TESSAROLL_BUILDER_EIT_READER_H_
