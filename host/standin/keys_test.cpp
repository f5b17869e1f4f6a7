#include "host/standin/keys.h"

#include <gtest/gtest.h>

#include <sstream>

#include "host/actions.h"

namespace standin {
namespace {

TEST(KeysTest, ParsesKeyLines) {
  struct Case {
    const char* line;
    KeyLine::Status status;
    Key::Kind kind;
    int digit;
    const char* text;
  };
  const Case kCases[] = {
      {"up", KeyLine::kKey, Key::kUp, 0, ""},
      {"exit", KeyLine::kKey, Key::kExit, 0, ""},
      {"blue", KeyLine::kKey, Key::kBlue, 0, ""},
      {"  ok \r", KeyLine::kKey, Key::kOk, 0, ""},
      {"0", KeyLine::kKey, Key::kDigit, 0, ""},
      {"9", KeyLine::kKey, Key::kDigit, 9, ""},
      {"text:/hdd/movie", KeyLine::kKey, Key::kText, 0, "/hdd/movie"},
      {"text:", KeyLine::kKey, Key::kText, 0, ""},
      {"text: a #b ", KeyLine::kKey, Key::kText, 0, " a #b "},
      {"text:\xff\xfe", KeyLine::kKey, Key::kText, 0, "\xff\xfe"},
      {"", KeyLine::kSkip, Key::kOk, 0, ""},
      {"   ", KeyLine::kSkip, Key::kOk, 0, ""},
      {"# ok", KeyLine::kSkip, Key::kOk, 0, ""},
      {"#", KeyLine::kSkip, Key::kOk, 0, ""},
      {"OK", KeyLine::kUnknown, Key::kOk, 0, ""},
      {"10", KeyLine::kUnknown, Key::kOk, 0, ""},
      {"ok ok", KeyLine::kUnknown, Key::kOk, 0, ""},
      {" text:x", KeyLine::kUnknown, Key::kOk, 0, ""},
      {"Text:x", KeyLine::kUnknown, Key::kOk, 0, ""},
      {"cancel", KeyLine::kUnknown, Key::kOk, 0, ""},
  };
  for (const Case& c : kCases) {
    KeyLine parsed = parseKeyLine(c.line);
    EXPECT_EQ(parsed.status, c.status) << '"' << c.line << '"';
    if (parsed.status != KeyLine::kKey) continue;
    EXPECT_EQ(parsed.key.kind, c.kind) << '"' << c.line << '"';
    EXPECT_EQ(parsed.key.digit, c.digit) << '"' << c.line << '"';
    EXPECT_EQ(parsed.key.text, c.text) << '"' << c.line << '"';
  }
}

TEST(KeysTest, ReadKeysSkipsCommentsAndNamesTheBadLine) {
  std::istringstream good("# answer the box\nright\n\nok\ntext:a b\n");
  std::vector<Key> keys;
  std::string error;
  ASSERT_TRUE(readKeys(good, &keys, &error));
  ASSERT_EQ(keys.size(), 3u);
  EXPECT_EQ(keys[0].kind, Key::kRight);
  EXPECT_EQ(keys[2].text, "a b");

  std::istringstream bad("ok\n# fine\nokay\nexit\n");
  keys.clear();
  EXPECT_FALSE(readKeys(bad, &keys, &error));
  EXPECT_EQ(error, "line 3: unknown key \"okay\"");
}

TEST(KeysTest, KeysRaiseTheirSetsActions) {
  EXPECT_EQ(actionFor(parseKeyLine("exit").key), &i_cursorActions->cancel);
  EXPECT_EQ(actionFor(parseKeyLine("left").key), &i_cursorActions->left);
  EXPECT_EQ(actionFor(parseKeyLine("green").key), &i_shortcutActions->green);
  EXPECT_EQ(actionFor(parseKeyLine("yellow").key), &i_shortcutActions->yellow);
  EXPECT_EQ(actionFor(parseKeyLine("5").key), nullptr);
  EXPECT_EQ(actionFor(parseKeyLine("text:x").key), nullptr);
}

}  // namespace
}  // namespace standin
