#include "host/standin/transcript.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace standin {
namespace {

TEST(TranscriptTest, EncodesBytesAsJsonStrings) {
  struct Case {
    std::string bytes;
    const char* json;
  };
  const Case kCases[] = {
      {"plain", "\"plain\""},
      {"a\"b\\c", "\"a\\\"b\\\\c\""},
      {"Scan Error 1 in:\n/hdd/x", "\"Scan Error 1 in:\\n/hdd/x\""},
      {"tab\there", "\"tab\\there\""},
      {std::string("nul\0x", 5), "\"nul\\u0000x\""},
      {"\x1b", "\"\\u001b\""},
      {"caf\xc3\xa9", "\"caf\xc3\xa9\""},                  // valid UTF-8
      {"\xe2\x82\xac \xf0\x9f\x8e\xac", "\"\xe2\x82\xac \xf0\x9f\x8e\xac\""},
      {"caf\xe9", "\"caf\\u00e9\""},                       // Latin-1 byte
      {"\xff\xfe", "\"\\u00ff\\u00fe\""},
      {"\xc3", "\"\\u00c3\""},                             // cut short
      {"\xc3(", "\"\\u00c3(\""},
      {"\xc0\xaf", "\"\\u00c0\\u00af\""},                  // overlong "/"
      {"\xed\xa0\x80", "\"\\u00ed\\u00a0\\u0080\""},       // surrogate
      {"\xf4\x90\x80\x80", "\"\\u00f4\\u0090\\u0080\\u0080\""},  // > U+10FFFF
      {"\x80", "\"\\u0080\""},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(jsonString(c.bytes), c.json) << c.json;
    // Whatever the bytes, the result is a JSON string a reader accepts.
    EXPECT_NO_THROW(nlohmann::json::parse(jsonString(c.bytes))) << c.json;
  }
}

TEST(TranscriptTest, EventLineKeepsFieldOrder) {
  EXPECT_EQ(eventLine("messagebox", {{"caption", "Error!"},
                                     {"text", "Scan Error 1 in:\n/hdd/x"},
                                     {"flags", 129}}),
            R"({"event":"messagebox","caption":"Error!",)"
            R"("text":"Scan Error 1 in:\n/hdd/x","flags":129})");
  EXPECT_EQ(eventLine("return", {{"result", -1}}),
            R"({"event":"return","result":-1})");
  EXPECT_EQ(eventLine("lock", {}), R"({"event":"lock"})");
}

}  // namespace
}  // namespace standin
