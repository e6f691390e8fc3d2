#include "nowplaying/now_playing_feed.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tonquil {
namespace {

using ::testing::ElementsAre;

// Records each event as one line: "idle", or "song|<title>|<file>|<state>" and
// "none|<file>|<state>" before a song is known.
class RecordingPublication : public NowPlayingPublication {
 public:
  void Publish(const NowPlaying& now) override {
    std::u16string line = now.song_known ? u"song|" + now.tags[TagField::Title] + u"|" : u"none|";
    events.push_back(line + now.file + u"|" + now.state);
  }
  void Idle() override { events.push_back(u"idle"); }
  std::vector<std::u16string> events;
};

TagBlock Titled(const std::u16string& title) {
  TagBlock tags;
  tags[TagField::Title] = title;
  return tags;
}

TEST(NowPlayingFeedTest, APublicationStartsIdleAndFollowsAnOpenPort) {
  NowPlayingFeed feed;
  RecordingPublication publication;
  feed.Add(publication);
  feed.PortOpened();
  feed.StateShown(u"Stopped");
  feed.FileShown(u"a/01.s98");
  feed.TagsShown(Titled(u"One"));
  feed.StateShown(u"Playing");
  feed.PortClosed();
  EXPECT_THAT(publication.events, ElementsAre(u"idle", u"none||", u"none||Stopped", u"song|One|a/01.s98|Stopped",
                                              u"song|One|a/01.s98|Playing", u"idle"));
}

TEST(NowPlayingFeedTest, OnlyAChangeOfTheStateIsPublished) {
  NowPlayingFeed feed;
  RecordingPublication publication;
  feed.Add(publication);
  feed.PortOpened();
  feed.StateShown(u"Playing");
  feed.StateShown(u"Playing");
  feed.StateShown(u"Paused");
  EXPECT_THAT(publication.events, ElementsAre(u"idle", u"none||", u"none||Playing", u"none||Paused"));
}

TEST(NowPlayingFeedTest, EveryTagBlockIsPublishedEvenTheSameOneAgain) {
  NowPlayingFeed feed;
  RecordingPublication publication;
  feed.Add(publication);
  feed.PortOpened();
  feed.TagsShown(Titled(u"One"));
  feed.TagsShown(Titled(u"One"));
  EXPECT_EQ(publication.events.size(), 4u);
}

TEST(NowPlayingFeedTest, NothingIsPublishedWhileNoPortIsOpen) {
  NowPlayingFeed feed;
  RecordingPublication publication;
  feed.Add(publication);
  feed.StateShown(u"Playing");
  feed.TagsShown(Titled(u"Old"));
  feed.PortClosed();
  feed.PortOpened();
  feed.StateShown(u"Playing");
  // A reopened port knows no song and no state of the last one.
  EXPECT_THAT(publication.events, ElementsAre(u"idle", u"idle", u"none||", u"none||Playing"));
}

TEST(NowPlayingFeedTest, APublicationAddedWhileOpenHearsTheCurrentState) {
  NowPlayingFeed feed;
  feed.PortOpened();
  feed.FileShown(u"f.s98");
  feed.TagsShown(Titled(u"T"));
  RecordingPublication late;
  feed.Add(late);
  RecordingPublication removed;
  feed.Add(removed);
  feed.Remove(removed);
  feed.PortClosed();
  EXPECT_THAT(late.events, ElementsAre(u"idle", u"song|T|f.s98|", u"idle"));
  EXPECT_THAT(removed.events, ElementsAre(u"idle", u"song|T|f.s98|"));
}

}  // namespace
}  // namespace tonquil
