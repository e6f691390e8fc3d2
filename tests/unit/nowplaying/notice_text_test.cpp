#include "nowplaying/notice_text.h"

#include <gtest/gtest.h>

#include "text/utf8.h"

namespace tonquil {
namespace {

// UTF-8 keeps the failure messages readable; every expected text here is ASCII or
// round-trips exactly.
std::string Notice(const TNowPlayingInfo& info, bool enabled) { return Utf16ToUtf8(NoticeText(info, enabled)); }

TEST(NoticeTextTest, WithdrawingNoticeFieldByField) {
  const std::u16string text = NoticeText(ClearInfo(), false);
  EXPECT_EQ(Utf16ToUtf8(text), "TNQL\\0Music\\00\\0TNQL: {0} - {1}\\0\\0\\0\\0\\0");
  EXPECT_EQ(text.size(), 41u);
  EXPECT_EQ(CopyDataSize(text), 84u);
  EXPECT_EQ(text.find(u'\0'), std::u16string::npos) << "field ends are backslash and zero, not NUL";
}

TEST(NoticeTextTest, PublishingNoticeWithTitleAlone) {
  const std::u16string text = NoticeText(PublishInfo(u"abc", u"", u""), true);
  EXPECT_EQ(Utf16ToUtf8(text), "TNQL\\0Music\\01\\0TNQL: {0} - {1}\\0abc\\0\\0\\0\\0");
  EXPECT_EQ(text.size(), 44u);
  EXPECT_EQ(CopyDataSize(text), 90u);
}

TEST(NoticeTextTest, BothTextsInTheirFields) {
  EXPECT_EQ(Notice({u"TNQL", u"Title", u"Artist"}, true),
            "TNQL\\0Music\\01\\0TNQL: {0} - {1}\\0Title\\0Artist\\0\\0\\0");
}

TEST(NoticeTextTest, AppIdFillsBothOfItsPlaces) {
  EXPECT_EQ(Notice({u"X", u"", u""}, true), "X\\0Music\\01\\0X: {0} - {1}\\0\\0\\0\\0\\0");
}

struct VerbatimCase {
  const char* name;
  std::u16string tag;
};

class VerbatimTextTest : public ::testing::TestWithParam<VerbatimCase> {};

TEST_P(VerbatimTextTest, TagTextGoesOutUnchanged) {
  const std::u16string& tag = GetParam().tag;
  const std::u16string text = NoticeText({u"TNQL", tag, tag}, true);
  const std::u16string head = u"TNQL\\0Music\\01\\0TNQL: {0} - {1}\\0";
  EXPECT_EQ(Utf16ToUtf8(text), Utf16ToUtf8(head + tag + u"\\0" + tag + u"\\0\\0\\0"));
  EXPECT_EQ(CopyDataSize(text), 2 * (44 - 3 + 2 * tag.size()) + 2);
}

INSTANTIATE_TEST_SUITE_P(
    NoticeText, VerbatimTextTest,
    ::testing::Values(VerbatimCase{"BackslashZero", u"a\\0b"}, VerbatimCase{"Placeholder", u"{0} - {1}"},
                      VerbatimCase{"PrintfDirectives", u"100%s %d %n %%"}, VerbatimCase{"Japanese", u"曲名 ♪"},
                      VerbatimCase{"WhiteSpace", u" \t "}, VerbatimCase{"SurrogatePair", u"\U0001F3B5"}),
    [](const ::testing::TestParamInfo<VerbatimCase>& param) { return std::string(param.param.name); });

TEST(CopyDataBytesTest, LittleEndianUnitsAndOneTerminatingNul) {
  EXPECT_EQ(CopyDataBytes(u"A\u66F2\\0"), std::string("A\0\xF2\x66\\\0" "0\0\0\0", 10));
  EXPECT_EQ(CopyDataBytes(u""), std::string(2, '\0'));
}

TEST(CopyDataBytesTest, SizeMatchesCopyDataSize) {
  for (const std::u16string& text : {NoticeText(ClearInfo(), false), NoticeText(PublishInfo(u"abc", u"", u""), true)}) {
    EXPECT_EQ(CopyDataBytes(text).size(), CopyDataSize(text));
  }
}

}  // namespace
}  // namespace tonquil
