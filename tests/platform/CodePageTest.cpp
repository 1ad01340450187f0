#include <gtest/gtest.h>

#include <string>

#include "platform/CodePage.h"

TEST(CodePage, EveryByteSurvivesARoundTrip) {
  for (int b = 1; b < 256; ++b) {
    const std::string one(1, static_cast<char>(b));
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(one)), one) << "byte " << b;
  }
}

TEST(CodePage, KnownCharactersMapBothWays) {
  struct Case {
    std::string cp1252;
    std::string utf8;
  };
  const Case cases[] = {
      {"Jos\xE9", "Jos\xC3\xA9"},  // e acute
      {"\x80", "\xE2\x82\xAC"},    // euro sign
      {"\x93quoted\x94", "\xE2\x80\x9Cquoted\xE2\x80\x9D"},
      {"M\xFCller", "M\xC3\xBCller"},
      {"\x9F", "\xC5\xB8"},  // Y with diaeresis
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.utf8);
    EXPECT_EQ(Cp1252ToUtf8(c.cp1252), c.utf8);
    EXPECT_EQ(Utf8ToCp1252(c.utf8), c.cp1252);
  }
}

TEST(CodePage, CharactersWithoutASingleByteFormBecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToCp1252("\xE6\x97\xA5\xE6\x9C\xAC"), "??");  // two CJK characters
  EXPECT_EQ(Utf8ToCp1252("a\xF0\x9F\x98\x80"
                         "b"),
            "a?b");                             // emoji
  EXPECT_EQ(Utf8ToCp1252("\xC3"), "?");         // cut-off sequence
  EXPECT_EQ(Utf8ToCp1252("\xC0\x80x"), "??x");  // overlong NUL
}
