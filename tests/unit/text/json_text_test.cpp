// JSON strings stay valid JSON whatever the text holds, and carry it as UTF-8.
#include "text/json_text.h"

#include <gtest/gtest.h>

namespace tonquil {
namespace {

TEST(JsonString, EscapesQuotesBackslashesAndControlCharacters) {
  EXPECT_EQ(JsonString(u"say \"hi\""), R"("say \"hi\"")");
  EXPECT_EQ(JsonString(u"C:\\S98\\a.s98"), R"("C:\\S98\\a.s98")");
  EXPECT_EQ(JsonString(u"a\r\nb\tc"), R"("a\r\nb\tc")");
  EXPECT_EQ(JsonString(std::u16string(u"\x01\x1f", 2)), R"("\u0001\u001f")");
  EXPECT_EQ(JsonString(std::u16string(1, u'\0')), R"("\u0000")");
  EXPECT_EQ(JsonString(u"\x7f/ok"), "\"\x7f/ok\"") << "DEL and the slash need no escape";
  EXPECT_EQ(JsonString(u""), R"("")");
}

TEST(JsonString, WritesUtf8) {
  EXPECT_EQ(JsonString(u"é"), "\"\xC3\xA9\"");
  EXPECT_EQ(JsonString(u"曲名"), "\"\xE6\x9B\xB2\xE5\x90\x8D\"");
  EXPECT_EQ(JsonString(u"\U0001F3B5"), "\"\xF0\x9F\x8E\xB5\"") << "a surrogate pair is one character";
}

TEST(JsonString, LoneSurrogatesBecomeReplacementCharacters) {
  EXPECT_EQ(JsonString(std::u16string(1, char16_t(0xD800)) + u"x"), "\"\xEF\xBF\xBDx\"");
  EXPECT_EQ(JsonString(u"x" + std::u16string(1, char16_t(0xDC00))), "\"x\xEF\xBF\xBD\"");
}

TEST(JsonObjectWriter, WritesMembersInOrderWithNestedObjects) {
  JsonObjectWriter json;
  json.Add("a", u"1").Add("b", true).Open("c").Add("d", false).Add("e", u"\"").Close().Add("f", u"");
  EXPECT_EQ(json.Text(), R"({"a":"1","b":true,"c":{"d":false,"e":"\""},"f":""})");
  EXPECT_EQ(JsonObjectWriter().Text(), "{}");
  EXPECT_EQ(JsonObjectWriter().Open("x").Close().Text(), R"({"x":{}})");
}

}  // namespace
}  // namespace tonquil
