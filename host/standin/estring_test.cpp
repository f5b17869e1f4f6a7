#include "host/estring.h"

#include <gtest/gtest.h>

namespace {

struct ReplaceCase {
  const char* text;
  const char* what;
  const char* with;
  const char* expected;
};

TEST(EStringTest, StrReplace) {
  const ReplaceCase kCases[] = {
      {"a_b_c", "_", " ", "a b c"},  // every occurrence, not just the first
      {"__x__", "_", " ", "  x  "},  // at both ends, adjacent
      {"no match", "_", " ", "no match"},
      {"", "_", " ", ""},
      {"aaa", "a", "aa", "aaaaaa"},  // replaced text is not rescanned
      {"aaaa", "aa", "a", "aa"},     // left to right, no overlap
      {"abcabc", "abc", "", ""},     // replacing by nothing
      {"a_b", "", "X", "a_b"},       // an empty pattern changes nothing
      {"x.ts.ts", ".ts", ".mpg", "x.mpg.mpg"},
  };
  for (const ReplaceCase& c : kCases) {
    eString s(c.text);
    eString& r = s.strReplace(c.what, c.with);
    EXPECT_EQ(&r, &s);
    EXPECT_EQ(s, c.expected) << "text '" << c.text << "' what '" << c.what
                             << "' with '" << c.with << "'";
  }
}

TEST(EStringTest, StrReplaceKeepsZeroBytesAndNullPattern) {
  eString s(std::string("a\0_b", 4));
  s.strReplace("_", " ");
  EXPECT_EQ(s, std::string("a\0 b", 4));
  s.strReplace(nullptr, "x");
  EXPECT_EQ(s, std::string("a\0 b", 4));
}

TEST(EStringTest, StrReplaceWithItself) {
  eString s("a_b");
  s.strReplace("_", s);
  EXPECT_EQ(s, "aa_bb");
}

}  // namespace
