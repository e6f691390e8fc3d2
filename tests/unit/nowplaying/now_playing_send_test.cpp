#include "nowplaying/now_playing_send.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fake_messenger_windows.h"
#include "nowplaying/notice_text.h"

namespace tonquil {
namespace {

using ::testing::ElementsAre;
using testing::FakeMessengerWindows;

TEST(SendNowPlayingTest, NoMessengerSendsNothing) {
  FakeMessengerWindows fake;
  EXPECT_EQ(SendNowPlaying(fake, PublishInfo(u"abc", u"", u""), true), 0u);
  EXPECT_EQ(SendNowPlaying(fake, ClearInfo(), false), 0u);
  EXPECT_TRUE(fake.sent.empty());
  EXPECT_THAT(fake.asked_after, ElementsAre(0u, 0u));
}

TEST(SendNowPlayingTest, EveryWindowGetsTheSameMessageInEnumerationOrder) {
  FakeMessengerWindows fake;
  fake.windows = {0x30, 0x10, 0x20};
  const TNowPlayingInfo info = PublishInfo(u"Title", u"", u"Game");
  EXPECT_EQ(SendNowPlaying(fake, info, true), 3u);
  // Each search starts after the window just sent to, and ends when none is left.
  EXPECT_THAT(fake.asked_after, ElementsAre(0u, 0x30u, 0x10u, 0x20u));
  ASSERT_EQ(fake.sent.size(), 3u);
  const std::string expected = CopyDataBytes(NoticeText(info, true));
  for (std::size_t i = 0; i < fake.sent.size(); ++i) {
    EXPECT_EQ(fake.sent[i].window, fake.windows[i]);
    EXPECT_EQ(fake.sent[i].data_id, 1351u);
    EXPECT_EQ(fake.sent[i].bytes, expected);
  }
}

TEST(SendNowPlayingTest, WithdrawingNoticeBytes) {
  FakeMessengerWindows fake;
  fake.windows = {0x44};
  EXPECT_EQ(SendNowPlaying(fake, ClearInfo(), false), 1u);
  ASSERT_EQ(fake.sent.size(), 1u);
  const std::string& bytes = fake.sent[0].bytes;
  ASSERT_EQ(bytes.size(), 84u);
  EXPECT_EQ(bytes.substr(0, 10), std::string("T\0N\0Q\0L\0\\\0", 10));
  EXPECT_EQ(bytes.substr(26, 4), std::string("0\0\\\0", 4)) << "the enabled flag 0";
  EXPECT_EQ(bytes.substr(80), std::string("0\0\0\0", 4)) << "last field end, then the NUL";
}

TEST(SendNowPlayingToTest, SendsToTheGivenWindowOnly) {
  FakeMessengerWindows fake;
  fake.windows = {0x10, 0x20};
  SendNowPlayingTo(fake, 0x20, PublishInfo(u"abc", u"", u""), true);
  EXPECT_TRUE(fake.asked_after.empty());
  ASSERT_EQ(fake.sent.size(), 1u);
  EXPECT_EQ(fake.sent[0].window, 0x20u);
  EXPECT_EQ(fake.sent[0].data_id, kNowPlayingDataId);
  EXPECT_EQ(fake.sent[0].bytes.size(), 90u);
}

}  // namespace
}  // namespace tonquil
