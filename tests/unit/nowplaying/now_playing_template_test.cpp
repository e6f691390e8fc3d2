#include "nowplaying/now_playing_template.h"

#include <gtest/gtest.h>

#include <string>

namespace tonquil {
namespace {

NowPlaying Song(const std::u16string& title, const std::u16string& artist) {
  NowPlaying now;
  now.song_known = true;
  now.tags[TagField::Title] = title;
  now.tags[TagField::Artist] = artist;
  now.file = u"01_Arcade/01_opening.s98";
  now.state = u"Playing";
  return now;
}

TEST(NowPlayingTemplateTest, EveryPlaceholderTakesItsOwnValue) {
  NowPlaying now = Song(u"夜明けのテーマ", u"霧島 遥");
  now.tags[TagField::Game] = u"星の航路";
  now.tags[TagField::Year] = u"1989";
  now.tags[TagField::Genre] = u"ゲーム音楽";
  now.tags[TagField::Comment] = u"オープニング";
  now.tags[TagField::Copyright] = u"(C) 1989";
  now.tags[TagField::S98By] = u"demo";
  now.tags[TagField::System] = u"Kestrel 88";
  EXPECT_EQ(FillNowPlayingTemplate(u"{title}|{artist}|{game}|{year}|{genre}|{comment}|{copyright}|{s98by}|"
                                   u"{system}|{file}|{state}",
                                   now),
            u"夜明けのテーマ|霧島 遥|星の航路|1989|ゲーム音楽|オープニング|(C) 1989|demo|Kestrel 88|"
            u"01_Arcade/01_opening.s98|Playing");
  EXPECT_EQ(FillNowPlayingTemplate(u"{title}{title}", now), u"夜明けのテーマ夜明けのテーマ");
}

TEST(NowPlayingTemplateTest, TextBetweenTwoPlaceholdersNeedsBothOfThem) {
  const std::u16string_view format = u"{title} - {artist}";
  EXPECT_EQ(FillNowPlayingTemplate(format, Song(u"One", u"Band")), u"One - Band");
  EXPECT_EQ(FillNowPlayingTemplate(format, Song(u"One", u"")), u"One");
  EXPECT_EQ(FillNowPlayingTemplate(format, Song(u"", u"Band")), u"Band");
  EXPECT_EQ(FillNowPlayingTemplate(format, Song(u"", u"")), u"");
  EXPECT_EQ(FillNowPlayingTemplate(u"{game}: {title} - {artist}", Song(u"One", u"Band")), u"One - Band");
}

TEST(NowPlayingTemplateTest, AnEmptyPlaceholderBetweenOthersDropsOutWithTheJointBeforeIt) {
  EXPECT_EQ(FillNowPlayingTemplate(u"{title} - {artist} [{state}]", Song(u"One", u"")), u"One [Playing]");
  NowPlaying now = Song(u"One", u"");
  now.tags[TagField::Year] = u"1989";
  EXPECT_EQ(FillNowPlayingTemplate(u"{title} / {artist} / {game} / {year}", now), u"One / 1989");
}

TEST(NowPlayingTemplateTest, TextBeforeTheFirstAndAfterTheLastPlaceholderIsAlwaysWritten) {
  EXPECT_EQ(FillNowPlayingTemplate(u"♪ {title} - {artist} ♪", Song(u"One", u"")), u"♪ One ♪");
  EXPECT_EQ(FillNowPlayingTemplate(u"♪ {title} - {artist} ♪", Song(u"", u"")), u"♪  ♪");
  EXPECT_EQ(FillNowPlayingTemplate(u"[{year}]", Song(u"One", u"Band")), u"[]");
}

TEST(NowPlayingTemplateTest, BackslashNIsALineBreakAndOtherBackslashesStay) {
  EXPECT_EQ(FillNowPlayingTemplate(u"{title}\\n{artist}", Song(u"One", u"Band")), u"One\nBand");
  EXPECT_EQ(FillNowPlayingTemplate(u"{title}\\n{artist}", Song(u"One", u"")), u"One") << "a joint like any other";
  EXPECT_EQ(FillNowPlayingTemplate(u"\\nNow:\\n{title}\\n", Song(u"One", u"")), u"\nNow:\nOne\n");
  EXPECT_EQ(FillNowPlayingTemplate(u"C:\\{title}\\t\\", Song(u"One", u"")), u"C:\\One\\t\\");
}

TEST(NowPlayingTemplateTest, ATemplateOfTextAloneIsWrittenAsItIs) {
  EXPECT_EQ(FillNowPlayingTemplate(u"Live on air\\nお楽しみに", Song(u"One", u"Band")), u"Live on air\nお楽しみに");
  EXPECT_EQ(FillNowPlayingTemplate(u"", Song(u"One", u"Band")), u"");
}

TEST(NowPlayingTemplateTest, UnknownNamesAndOpenBracesAreText) {
  EXPECT_EQ(FillNowPlayingTemplate(u"{Title} {tit le} {} {{title}} {title", Song(u"One", u"")),
            u"{Title} {tit le} {} {One} {title");
}

TEST(NowPlayingTemplateTest, AVeryLongFieldIsWrittenWhole) {
  const std::u16string title(100000, u'あ');
  const std::u16string text = FillNowPlayingTemplate(u"<{title} - {artist}>", Song(title, u"Band"));
  EXPECT_EQ(text, u"<" + title + u" - Band>");
}

}  // namespace
}  // namespace tonquil
