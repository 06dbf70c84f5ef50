#include <gtest/gtest.h>

#include "base/StringRules.h"

namespace formfit {
namespace {

TEST(StringRules, BeginsWithIsTheProgramsEquality) {
  EXPECT_TRUE(BeginsWith("CONTENTS:GRID2", "CONTENTS:GRID"));
  EXPECT_TRUE(BeginsWith("abc", ""));
  EXPECT_TRUE(BeginsWith("", ""));
  EXPECT_FALSE(BeginsWith("CONTENTS", "CONTENTS:"));
  EXPECT_FALSE(BeginsWith("abc", "ABC"));
}

TEST(StringRules, FoldsAsciiAndWindows1252Letters) {
  // Every byte: folding up then down (or down then up) is stable, and only
  // letters change.
  for (int b = 0; b < 256; ++b) {
    const char c = static_cast<char>(b);
    EXPECT_EQ(UpperChar(UpperChar(c)), UpperChar(c)) << b;
    EXPECT_EQ(LowerChar(LowerChar(c)), LowerChar(c)) << b;
    if (UpperChar(c) != c) {
      EXPECT_EQ(LowerChar(UpperChar(c)), c) << b;
    }
    if (LowerChar(c) != c) {
      EXPECT_EQ(UpperChar(LowerChar(c)), c) << b;
    }
  }
  EXPECT_EQ(Upper("floatBar \xE4\xF6\xFC\xDF\xF7\x9A\xFF"),
            "FLOATBAR \xC4\xD6\xDC\xDF\xF7\x8A\x9F");
  EXPECT_EQ(Lower("FLOATBAR \xC4\xD6\xDC\xD7\x8C"), "floatbar \xE4\xF6\xFC\xD7\x9C");
}

TEST(StringRules, TrimmedDropsBlanksAndTabsAtTheEnds) {
  EXPECT_EQ("D:\\My VO", Trimmed(" \tD:\\My VO \t "));
  EXPECT_EQ("", Trimmed(" \t "));
  EXPECT_EQ("", Trimmed(""));
  EXPECT_EQ("a\r", Trimmed("a\r"));
}

TEST(StringRules, EqualsNoCaseComparesWholeTexts) {
  EXPECT_TRUE(EqualsNoCase("Language", "LANGUAGE"));
  EXPECT_TRUE(EqualsNoCase("\xC4rger", "\xE4RGER"));
  EXPECT_FALSE(EqualsNoCase("Language", "Languages"));
  EXPECT_FALSE(EqualsNoCase("a", "b"));
}

}  // namespace
}  // namespace formfit
