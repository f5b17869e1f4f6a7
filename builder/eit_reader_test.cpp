#include "builder/eit_reader.h"

#include <gtest/gtest.h>

#include "tests/support/sandbox.h"

namespace {

std::string descriptor(unsigned char tag, const std::string& body) {
  return std::string(1, static_cast<char>(tag)) +
         static_cast<char>(body.size()) + body;
}

std::string shortEvent(const std::string& name, const std::string& text) {
  return descriptor(0x4D, "eng" + std::string(1, static_cast<char>(name.size())) +
                              name + static_cast<char>(text.size()) + text);
}

TEST(EventFile, ParsesTheShortEventDescriptor) {
  struct Case {
    const char* what;
    std::string data;
    bool found;
    std::string name, text;
  } cases[] = {
      {"plain", eitWithDescriptors(shortEvent("Evening News", "Weather")), true,
       "Evening News", "Weather"},
      {"after another descriptor",
       eitWithDescriptors(descriptor(0x54, "\x20\x00") +
                          shortEvent("Name", "")),
       true, "Name", ""},
      {"the last one wins",
       eitWithDescriptors(shortEvent("first", "a") + shortEvent("second", "b")),
       true, "second", "b"},
      {"a malformed last one is ignored",
       eitWithDescriptors(shortEvent("first", "a") + descriptor(0x4D, "de")),
       true, "first", "a"},
      {"texts end at their first zero byte",
       eitWithDescriptors(shortEvent(std::string("\x10\0\x02P", 4), std::string("ab\0cd", 5))),
       true, "\x10", "ab"},
      {"descriptors length 0", eitWithDescriptors("").substr(0, 12) +
                                   shortEvent("hidden", "x"),
       false, "", ""},
      {"no short event", eitWithDescriptors(descriptor(0x54, "ab")), false, "",
       ""},
      {"shorter than the header", std::string(11, '\0'), false, "", ""},
      {"body of length 2", eitWithDescriptors(descriptor(0x4D, "en")), false,
       "", ""},
      {"body without the text length",
       eitWithDescriptors(descriptor(0x4D, "eng\x02" "ab")), false, "", ""},
      {"name longer than its descriptor",
       eitWithDescriptors(descriptor(0x4D, "eng\x09" "ab\x00")), false, "", ""},
      {"text longer than its descriptor",
       eitWithDescriptors(descriptor(0x4D, "eng\x01" "a\x07" "bc")), false, "",
       ""},
  };
  for (const Case& c : cases) {
    ShortEvent ev;
    EXPECT_EQ(parseShortEvent(c.data, &ev), c.found) << c.what;
    if (c.found) {
      EXPECT_EQ(ev.name, c.name) << c.what;
      EXPECT_EQ(ev.text, c.text) << c.what;
    }
  }
}

// The descriptors length is two bytes, high part first, under four flag
// bits. Read in the machine's byte order or without its high part, it
// would end the walk before the event or run on past the loop's end.
TEST(EventFile, TheDescriptorsLengthIsBigEndian) {
  const std::string filler = descriptor(0x54, std::string(255, 'p'));
  const std::string event = shortEvent("Name", "Text");
  ShortEvent ev;
  // Length 0x110: the filler and the event.
  EXPECT_TRUE(parseShortEvent(eitWithDescriptors(filler + event), &ev));
  EXPECT_EQ(ev.name, "Name");
  // Length 0x101: the filler only; the event lies after the loop.
  EXPECT_FALSE(parseShortEvent(eitWithDescriptors(filler) + event, &ev));
}

TEST(EventFile, NeverReadsPastTheData) {
  // Lengths that point past the bytes at hand, at every cut of the data.
  std::string full = eitWithDescriptors(shortEvent("Name", "Text") +
                                        shortEvent("Other", "More"));
  full[10] = '\x0F';  // descriptors length 0xFxx: far past the end
  for (size_t len = 0; len <= full.size(); ++len) {
    std::string cut = full.substr(0, len);
    cut.shrink_to_fit();
    ShortEvent ev;
    parseShortEvent(cut, &ev);
  }
}

TEST(EventFile, LooksOnlyAtTheFirst4096Bytes) {
  Sandbox box;
  // 16 descriptors of 255 bytes: the next one starts 4 bytes before the
  // limit, so its fields lie past what is read.
  std::string loop;
  for (int i = 0; i < 16; ++i) loop += descriptor(0x54, std::string(253, 'p'));
  box.write("/early.eit", eitWithDescriptors(shortEvent("early", "e") + loop));
  box.write("/late.eit", eitWithDescriptors(loop + shortEvent("late", "l")));

  EXPECT_EQ(GetShortEventDiscriptorFromFile(0, "/early.eit"), "early");
  EXPECT_EQ(GetShortEventDiscriptorFromFile(1, "/early.eit"), "e");
  EXPECT_EQ(GetShortEventDiscriptorFromFile(0, "/late.eit"), "");
  EXPECT_EQ(GetShortEventDiscriptorFromFile(0, "/missing.eit"), "");
}

}  // namespace
