#include "settings/ini_codec.h"

#include <gtest/gtest.h>

#include "fake_file_store.h"

namespace tonquil {
namespace {

struct DecodeCase {
  const char* name;
  std::string bytes;
  std::u16string text;
};

TEST(IniCodec, DecodesAsUtf16LittleEndianWhateverTheFileLooksLike) {
  const DecodeCase cases[] = {
      {"mark skipped", WithMark(u"[設定]"), u"[設定]"},
      {"no mark", Utf16LeBytes(u"[Main]"), u"[Main]"},
      {"only the mark", "\xFF\xFE", u""},
      {"big-endian mark is text", std::string("\xFE\xFF\x00\x41", 4), u"\xFFFE\x4100"},
      {"8-bit text pairs up", "X=5\r\n", u"\x3D58\x0D35"},
      {"trailing odd byte", Utf16LeBytes(u"AB") + "C", u"AB"},
      {"lone odd byte", "C", u""},
      {"NUL ends the text", WithMark(u"a=1") + std::string("\0\0", 2) + Utf16LeBytes(u"b=2"),
       u"a=1"},
      {"NUL high byte is no NUL", std::string("\x00\x30", 2), u"\x3000"},
      {"empty", "", u""},
  };
  for (const DecodeCase& c : cases) {
    EXPECT_EQ(DecodeIniBytes(c.bytes), c.text) << c.name;
  }
}

TEST(IniCodec, EncodesWithMarkAndRoundTripsEveryUnit) {
  EXPECT_EQ(EncodeIniBytes(u""), "\xFF\xFE");
  EXPECT_EQ(EncodeIniBytes(u"[\x8A2D]\r\n"), std::string("\xFF\xFE[\0\x2D\x8A]\0\r\0\n\0", 12));
  std::u16string every_unit;
  for (char32_t unit = 1; unit <= 0xFFFF; ++unit) every_unit += static_cast<char16_t>(unit);
  EXPECT_EQ(DecodeIniBytes(EncodeIniBytes(every_unit)), every_unit);
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
