#include "app/now_playing_file.h"

#include <gtest/gtest.h>

#include <string>

#include "settings/fake_file_store.h"

namespace tonquil {
namespace {

const std::u16string kPath = u"C:\\Stream\\now.txt";

TagBlock Tags(const std::u16string& title, const std::u16string& artist) {
  TagBlock tags;
  tags[TagField::Title] = title;
  tags[TagField::Artist] = artist;
  return tags;
}

class NowPlayingFileTest : public ::testing::Test {
 protected:
  std::string Written() { return store_.files[kPath]; }

  FakeFileStore store_;
  NowPlayingFile file_{store_, kPath, u"♪ {title} - {artist} [{state}]", u"待機中"};
  NowPlayingFeed feed_;
};

TEST_F(NowPlayingFileTest, FollowsTheFeedInUtf8WithoutAMark) {
  feed_.Add(file_);
  EXPECT_EQ(Written(), "\xE5\xBE\x85\xE6\xA9\x9F\xE4\xB8\xAD") << "待機中 at once, before any port";
  feed_.PortOpened();
  feed_.StateShown(u"Stopped");
  EXPECT_EQ(Written(), "\xE5\xBE\x85\xE6\xA9\x9F\xE4\xB8\xAD") << "no song known yet";
  feed_.FileShown(u"a/01.s98");
  feed_.TagsShown(Tags(u"夜明け", u"Band"));
  EXPECT_EQ(Written(), "\xE2\x99\xAA \xE5\xA4\x9C\xE6\x98\x8E\xE3\x81\x91 - Band [Stopped]");
  feed_.StateShown(u"Playing");
  EXPECT_EQ(Written(), "\xE2\x99\xAA \xE5\xA4\x9C\xE6\x98\x8E\xE3\x81\x91 - Band [Playing]");
  feed_.TagsShown(Tags(u"Two", u""));
  EXPECT_EQ(Written(), "\xE2\x99\xAA Two [Playing]");
  feed_.PortClosed();
  EXPECT_EQ(Written(), "\xE5\xBE\x85\xE6\xA9\x9F\xE4\xB8\xAD");
}

TEST_F(NowPlayingFileTest, AnEmptyIdleTextEmptiesTheFile) {
  NowPlayingFile file(store_, kPath, u"{title}", u"");
  feed_.Add(file);
  feed_.PortOpened();
  feed_.TagsShown(Tags(u"One", u""));
  EXPECT_EQ(Written(), "One");
  feed_.PortClosed();
  ASSERT_EQ(store_.files.count(kPath), 1u);
  EXPECT_EQ(Written(), "");
}

TEST_F(NowPlayingFileTest, AWriteThatFailsIsSkippedAndTheNextOneLands) {
  feed_.Add(file_);
  feed_.PortOpened();
  store_.refuse_writes = true;
  feed_.TagsShown(Tags(u"One", u"Band"));
  EXPECT_EQ(Written(), "\xE5\xBE\x85\xE6\xA9\x9F\xE4\xB8\xAD");
  store_.refuse_writes = false;
  feed_.StateShown(u"Paused");
  EXPECT_EQ(Written(), "\xE2\x99\xAA One - Band [Paused]");
}

}  // namespace
}  // namespace tonquil
