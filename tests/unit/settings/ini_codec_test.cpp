#include "settings/ini_codec.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>

#include "fake_file_store.h"

namespace tonquil {
namespace {

struct DecodeCase {
  const char* name;
  std::string bytes;
  std::u16string text;
};

TEST(IniCodec, DecodesUtf16LittleEndianAsTheProgramWritesItOrWithoutTheMark) {
  const DecodeCase cases[] = {
      {"mark skipped", WithMark(u"[設定]"), u"[設定]"},
      {"no mark", Utf16LeBytes(u"[Main]"), u"[Main]"},
      {"no mark, Japanese first", Utf16LeBytes(u"設定=1\r\n"), u"設定=1\r\n"},
      {"no mark, a line feed first", Utf16LeBytes(u"\n[Main]"), u"\n[Main]"},
      {"only the mark", "\xFF\xFE", u""},
      {"big-endian mark is text", std::string("\xFE\xFF\x00\x41", 4), u"\xFFFE\x4100"},
      {"8-bit text behind the mark pairs up", "\xFF\xFEX=5\r\n", u"\x3D58\x0D35"},
      {"trailing odd byte", Utf16LeBytes(u"AB") + "C", u"AB"},
      {"NUL ends the text", WithMark(u"a=1") + std::string("\0\0", 2) + Utf16LeBytes(u"b=2"),
       u"a=1"},
      {"NUL high byte is no NUL", std::string("\x00\x30", 2), u"\x3000"},
      {"a lone surrogate is kept", WithMark(u"a=\xD800"), u"a=\xD800"},
  };
  for (const DecodeCase& c : cases) {
    EXPECT_EQ(DecodeIniBytes(c.bytes), std::optional<std::u16string>(c.text)) << c.name;
  }
}

TEST(IniCodec, DecodesUtf8WithOrWithoutItsMark) {
  const DecodeCase cases[] = {
      {"no mark", "[Main]\r\nX=5\r\n", u"[Main]\r\nX=5\r\n"},
      {"mark skipped", "\xEF\xBB\xBF[設定]\r\n値=曲名\r\n", u"[設定]\r\n値=曲名\r\n"},
      {"four-byte character", "a=\xF0\x9F\x8E\xB5", u"a=\xD83C\xDFB5"},
      {"only the mark", "\xEF\xBB\xBF", u""},
      {"empty", "", u""},
      {"lone odd byte", "C", u"C"},
  };
  for (const DecodeCase& c : cases) {
    EXPECT_EQ(DecodeIniBytes(c.bytes), std::optional<std::u16string>(c.text)) << c.name;
  }
}

TEST(IniCodec, BytesThatAreNeitherUtf16NorWellFormedUtf8AreNoText) {
  const std::pair<const char*, std::string> cases[] = {
      {"8-bit Japanese", "[Option]\r\nTitle=\x8B\xC8\x96\xBC\r\n"},
      {"8-bit Latin", "[Option]\r\nName=Caf\xE9\r\n"},
      {"cut-off sequence at the end", "a=\xE6\x9B"},
      {"overlong slash", "a=\xC0\xAF"},
      {"encoded surrogate", "a=\xED\xA0\x80"},
      {"beyond U+10FFFF", "a=\xF4\x90\x80\x80"},
      {"NUL after the first line", std::string("[Main]\r\nX=5\r\n\0", 14)},
      {"NUL behind the UTF-8 mark", std::string("\xEF\xBB\xBF[Main]\0", 10)},
      {"bad byte behind the UTF-8 mark", "\xEF\xBB\xBF[Main]\r\nX=\xFF\r\n"},
  };
  for (const auto& [name, bytes] : cases) EXPECT_EQ(DecodeIniBytes(bytes), std::nullopt) << name;
}

TEST(IniCodec, EncodesWithMarkAndRoundTripsEveryUnit) {
  EXPECT_EQ(EncodeIniBytes(u""), "\xFF\xFE");
  EXPECT_EQ(EncodeIniBytes(u"[\x8A2D]\r\n"), std::string("\xFF\xFE[\0\x2D\x8A]\0\r\0\n\0", 12));
  std::u16string every_unit;
  for (char32_t unit = 1; unit <= 0xFFFF; ++unit) every_unit += static_cast<char16_t>(unit);
  EXPECT_EQ(DecodeIniBytes(EncodeIniBytes(every_unit)), std::optional<std::u16string>(every_unit));
}

TEST(IniCodec, SplitsAtEveryKindOfLineEnd) {
  using Lines = std::vector<std::u16string_view>;
  EXPECT_EQ(SplitIniLines(u"a\r\nb\r\n"), (Lines{u"a", u"b"}));
  EXPECT_EQ(SplitIniLines(u"a\nb\rc"), (Lines{u"a", u"b", u"c"}));
  EXPECT_EQ(SplitIniLines(u"a\n\rb"), (Lines{u"a", u"", u"b"}));
  EXPECT_EQ(SplitIniLines(u"a\r\r\nb"), (Lines{u"a", u"", u"b"}));
  EXPECT_EQ(SplitIniLines(u"\r\n"), (Lines{u""}));
  EXPECT_EQ(SplitIniLines(u""), Lines{});
}

}  // namespace
}  // namespace tonquil
