#include "text/utf8.h"

#include <gtest/gtest.h>

namespace tonquil {
namespace {

TEST(Utf8, RoundTripsJapaneseAndAstralText) {
  const std::u16string text = u"タスクトレイ \U0001F3B5 COM3";
  EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(text)), text);
  EXPECT_EQ(Utf16ToUtf8(u"\u8a2d\u5b9a"), "\xE8\xA8\xAD\xE5\xAE\x9A");
}

TEST(Utf8, MalformedInputBecomesReplacementCharacters) {
  EXPECT_EQ(Utf8ToUtf16("a\xFF" "b"), u"a\uFFFDb");
  EXPECT_EQ(Utf8ToUtf16("\xE3\x81"), u"\uFFFD\uFFFD");       // cut-off sequence
  EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), u"\uFFFD");  // overlong "/" is one bad character
  EXPECT_EQ(Utf16ToUtf8(std::u16string(1, u'\xD800')), "\xEF\xBF\xBD");  // lone surrogate
}

}  // namespace
}  // namespace tonquil
