#include "nowplaying/media_session_values.h"

#include <gtest/gtest.h>

namespace tonquil {
namespace {

NowPlaying Shown(const std::u16string& title, const std::u16string& artist, const std::u16string& game) {
  NowPlaying now;
  now.song_known = true;
  now.tags[TagField::Title] = title;
  now.tags[TagField::Artist] = artist;
  now.tags[TagField::Game] = game;
  now.tags[TagField::Year] = u"1994";
  now.file = u"x/01.s98";
  now.state = u"Playing";
  return now;
}

TEST(SessionDisplay, ShowsTitleArtistAndGameOfTheBlock) {
  const SessionDisplay display = SessionDisplayOf(Shown(u"Opening", u"Someone", u"A Game"));
  EXPECT_EQ(display.title, u"Opening");
  EXPECT_EQ(display.artist, u"Someone");
  EXPECT_EQ(display.album_title, u"A Game");
  EXPECT_EQ(display.status, SessionStatus::Playing);
}

TEST(SessionDisplay, AnEmptyTitleIsTheFileAndAnEmptyArtistTheGame) {
  SessionDisplay display = SessionDisplayOf(Shown(u"", u"", u"A Game"));
  EXPECT_EQ(display.title, u"x/01.s98");
  EXPECT_EQ(display.artist, u"A Game");
  EXPECT_EQ(display.album_title, u"A Game");

  display = SessionDisplayOf(Shown(u"", u"", u""));
  EXPECT_EQ(display.title, u"x/01.s98");
  EXPECT_EQ(display.artist, u"");
  EXPECT_EQ(display.album_title, u"");
}

TEST(SessionDisplay, BeforeAnySongTheFileIsTheTitle) {
  NowPlaying now;
  now.file = u"x/02.s98";
  now.state = u"Stopped";
  EXPECT_EQ(SessionDisplayOf(now), (SessionDisplay{u"x/02.s98", u"", u"", SessionStatus::Stopped}));
}

TEST(SessionStatusOf, PlayingAndPausedAsTheyAreAndEverythingElseStopped) {
  EXPECT_EQ(SessionStatusOf(u"Playing"), SessionStatus::Playing);
  EXPECT_EQ(SessionStatusOf(u"Paused"), SessionStatus::Paused);
  for (const std::u16string state : {u"Stopped", u"Stop", u"", u"playing", u"Paused ", u"__________"}) {
    EXPECT_EQ(SessionStatusOf(state), SessionStatus::Stopped) << std::string(state.begin(), state.end());
  }
}

}  // namespace
}  // namespace tonquil
