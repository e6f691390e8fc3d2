// The report parser over more than one reply, with other options and window states, and
// with other decoders.
#include "device/reply_parser.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#include "fakes/fake_report_targets.h"

namespace tonquil {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::FakeReportTargets;

const std::string kFirmwareHeader = "===== Firmware Information =====";

class ReplyParserTest : public ::testing::Test {
 protected:
  void Parse(std::string_view reply) { ParseReply(reply, Latin1Decoder(), display.Targets()); }
  FakeReportTargets display;
};

TEST_F(ReplyParserTest, BalloonIsUpdatedButNotShownWhileTheWindowIsVisible) {
  display.window_visible = true;
  Parse("TAG : [S98]title=T");
  EXPECT_THAT(display.calls, ElementsAre("Tags{Title=T}", "Balloon[None]=Title : T",
                                         "PublishNowPlaying"));
}

TEST_F(ReplyParserTest, BalloonIsUpdatedButNotShownWhenBalloonsAreSwitchedOff) {
  display.balloons_off = true;
  Parse("TAG : [S98]title=T");
  EXPECT_THAT(display.calls, ElementsAre("Tags{Title=T}", "Balloon[None]=Title : T",
                                         "PublishNowPlaying"));
}

TEST_F(ReplyParserTest, NoNoticeWhenTheMessengerWasOffAtLoad) {
  display.msn_enabled = false;
  Parse("TAG : [S98]title=T\r\n\r\nTAG : [S98]");
  EXPECT_THAT(display.calls, ElementsAre("Tags{Title=T}", "Balloon[None]=Title : T",
                                         "ShowBalloon", "Tags{}"));
}

TEST_F(ReplyParserTest, BalloonKeepsThePreviousBlockWhenTheTitleIsEmpty) {
  Parse("PlayFile : one.s98\r\nTAG : [S98]\r\ntitle=One\r\nartist=A");
  Parse("PlayFile : two.s98\r\nTAG : [S98]\r\ngame=G");
  EXPECT_EQ(display.balloon_title, u"one.s98");
  EXPECT_EQ(display.balloon_text, u"Title : One\r\nArtist : A");
  EXPECT_EQ(display.tags[TagField::Artist], u"") << "the second header emptied the fields";
}

TEST_F(ReplyParserTest, TheNoticeIsBuiltFromTheBlockJustShown) {
  Parse("TAG : [S98]\r\ntitle=T\r\nartist=A\r\ngame=G\r\nyear=Y\r\n\r\nTAG : [S98]game=H");
  ASSERT_EQ(display.published.size(), 2u);
  EXPECT_EQ(display.published[0][TagField::Title], u"T");
  EXPECT_EQ(display.published[0][TagField::Artist], u"A");
  EXPECT_EQ(display.published[0][TagField::Year], u"Y");
  EXPECT_TRUE(display.published[1][TagField::Title].empty()) << "each block starts from nine empty fields";
  EXPECT_EQ(display.published[1], display.tags);
}

TEST_F(ReplyParserTest, BalloonTitleIsTheFileShownByAnEarlierReply) {
  Parse("PlayFile : earlier.s98");
  Parse("TAG : [S98]\r\ntitle=T");
  EXPECT_EQ(display.balloon_title, u"earlier.s98");
}

TEST_F(ReplyParserTest, BlockDoesNotContinueIntoTheNextReply) {
  Parse("TAG : [S98]\r\ntitle=T");
  display.calls.clear();
  Parse("artist=A\r\n\r\n");
  EXPECT_THAT(display.calls, IsEmpty());
}

TEST_F(ReplyParserTest, HighBytesShowThroughLatin1) {
  Parse("PlayFile : caf\xe9.s98\r\nTAG : [S98]title=\xc0\xff");
  EXPECT_EQ(display.status[StatusLabel::File], u"caf\u00e9.s98");
  EXPECT_EQ(display.tags[TagField::Title], u"\u00c0\u00ff");
}

// Maps a byte pair of 0x82 and a second byte to one character, like a double-byte
// code page, and records what it was given.
class PairDecoder : public AnsiDecoder {
 public:
  void Decode(std::string_view bytes, std::u16string& text) const override {
    given.emplace_back(bytes);
    text.clear();
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      const auto b = static_cast<unsigned char>(bytes[i]);
      if (b == 0x82 && i + 1 < bytes.size()) {
        text += static_cast<char16_t>(0x3000 + static_cast<unsigned char>(bytes[++i]));
      } else {
        text += static_cast<char16_t>(b);
      }
    }
  }
  mutable std::vector<std::string> given;
};

TEST_F(ReplyParserTest, ShownValuesComeFromTheDecoderGivenEachLineOfTheTrimmedReplyOnce) {
  PairDecoder decoder;
  ParseReply(" \r\nTAG : [S98]title=\x82\x42\x82\x43\r\n\r\nPlaying\r\n", decoder, display.Targets());
  EXPECT_THAT(decoder.given, ElementsAre("TAG : [S98]title=\x82\x42\x82\x43", "", "Playing"));
  EXPECT_EQ(display.tags[TagField::Title], u"\u3042\u3043");
  EXPECT_EQ(display.balloon_text, u"Title : \u3042\u3043");
  EXPECT_EQ(display.status[StatusLabel::Pause], u"Playing");
}

TEST_F(ReplyParserTest, ABrokenCharacterAtALinesEndLeavesTheNextLineWhole) {
  PairDecoder decoder;
  ParseReply("TAG : [S98]title=a\x82\r\nartist=b", decoder, display.Targets());
  EXPECT_EQ(display.tags[TagField::Title], u"a\u0082");
  EXPECT_EQ(display.tags[TagField::Artist], u"b");
}

TEST_F(ReplyParserTest, EmptyReplyDecodesAndTouchesNothing) {
  PairDecoder decoder;
  ParseReply("\r\n \t", decoder, display.Targets());
  EXPECT_THAT(decoder.given, IsEmpty());
  EXPECT_THAT(display.calls, IsEmpty());
}

// A reply of a megabyte, read as one line or as many, must parse in well under a
// second: removals and block walks are linear.
TEST_F(ReplyParserTest, MegabyteRepliesParseQuickly) {
  std::string repeats;
  while (repeats.size() < (1u << 20)) repeats += "Repeat : ";
  std::string headers;
  while (headers.size() < (1u << 20)) headers += "TAG : [S98]";
  std::string firmware = kFirmwareHeader;
  while (firmware.size() < (1u << 20)) firmware += "\r\nline";

  const auto start = std::chrono::steady_clock::now();
  Parse(repeats + "None\r\nStop");
  Parse(headers + "title=T");
  Parse(firmware);
  const auto elapsed = std::chrono::steady_clock::now() - start;

  EXPECT_EQ(display.status[StatusLabel::Repeat], u"None");
  EXPECT_EQ(display.tags[TagField::Title], u"T");
  EXPECT_EQ(display.etc.size(), 1u + (firmware.size() - kFirmwareHeader.size()) / 6);
  EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count(), 5000);
}

}  // namespace
}  // namespace tonquil
