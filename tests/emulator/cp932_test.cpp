#include "cp932.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace tonquil::emu {
namespace {

TEST(Cp932, ConvertsBothWays) {
  const std::vector<std::pair<std::string, std::string>> texts = {
      {"", ""},
      {"title=Abc 1", "title=Abc 1"},
      {"夜明け", "\x96\xe9\x96\xbe\x82\xaf"},
      {"ステージ１♪", "\x83\x58\x83\x65\x81\x5b\x83\x57\x82\x50\x81\xf4"},
      {"ｱ", "\xb1"}};
  for (const auto& [utf8, cp932] : texts) {
    EXPECT_EQ(Utf8ToCp932(utf8), cp932) << utf8;
    EXPECT_EQ(Cp932ToUtf8(cp932), utf8) << utf8;
  }
}

TEST(Cp932, CharactersWithoutCounterpartBecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToCp932("a\xF0\x9F\x98\x80" "b"), "a?b");  // an emoji
  EXPECT_EQ(Utf8ToCp932("a\xC3" "b"), "a?b");               // a broken sequence
  EXPECT_EQ(Utf8ToCp932("x\xE5\xA4"), "x?");                // cut off at the end
}

TEST(Cp932, UndecodableBytesBecomeReplacementCharacters) {
  EXPECT_EQ(Cp932ToUtf8("a\xA0" "b"), "a\xEF\xBF\xBD" "b");
  EXPECT_EQ(Cp932ToUtf8("a\x96"), "a\xEF\xBF\xBD");  // lead byte without its trail
  EXPECT_EQ(Cp932ToUtf8("\x96\n"), "\xEF\xBF\xBD\n");     // the line end after it survives
}

}  // namespace
}  // namespace tonquil::emu
