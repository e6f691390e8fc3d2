#include "nowplaying/now_playing_info.h"

#include <gtest/gtest.h>

#include "text/utf8.h"

namespace tonquil {
namespace {

struct SecondTextCase {
  const char* name;
  std::u16string artist;
  std::u16string game;
  std::u16string expected;
};

class SecondTextTest : public ::testing::TestWithParam<SecondTextCase> {};

TEST_P(SecondTextTest, ArtistElseGameElseEmpty) {
  const SecondTextCase& c = GetParam();
  const TNowPlayingInfo info = PublishInfo(u"Song", c.artist, c.game);
  EXPECT_EQ(info.AppId, u"TNQL");
  EXPECT_EQ(info.Text1, u"Song");
  EXPECT_EQ(Utf16ToUtf8(info.Text2), Utf16ToUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    PublishInfo, SecondTextTest,
    ::testing::Values(SecondTextCase{"ArtistWinsOverGame", u"Artist", u"Game", u"Artist"},
                      SecondTextCase{"ArtistWithoutGame", u"Artist", u"", u"Artist"},
                      SecondTextCase{"GameWhenArtistEmpty", u"", u"Game", u"Game"},
                      SecondTextCase{"BothEmpty", u"", u"", u""},
                      SecondTextCase{"WhiteSpaceArtistIsText", u" ", u"Game", u" "},
                      SecondTextCase{"WhiteSpaceGameIsText", u"", u"\t", u"\t"}),
    [](const ::testing::TestParamInfo<SecondTextCase>& param) { return std::string(param.param.name); });

TEST(PublishInfoTest, EmptyTitleStaysEmpty) {
  const TNowPlayingInfo info = PublishInfo(u"", u"Artist", u"");
  EXPECT_TRUE(info.Text1.empty());
  EXPECT_EQ(info.Text2, u"Artist");
}

TEST(ClearInfoTest, AppIdAndNoTexts) {
  const TNowPlayingInfo info = ClearInfo();
  EXPECT_EQ(info.AppId, u"TNQL");
  EXPECT_TRUE(info.Text1.empty());
  EXPECT_TRUE(info.Text2.empty());
}

}  // namespace
}  // namespace tonquil
