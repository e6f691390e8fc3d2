#include "device/reply_parser.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "fakes/fake_report_display.h"

namespace tonquil {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;
using testing::FakeReportDisplay;

const std::string kFirmware = "===== Firmware Information =====";

// What the display records for one reply, parsed with the window in the tray,
// balloons on and the messenger notice on, from the initial captions.
struct ReplyCase {
  const char* name;
  std::string reply;
  std::vector<std::string> calls;
};

std::ostream& operator<<(std::ostream& out, const ReplyCase& c) { return out << c.name; }

std::string CaseName(const ::testing::TestParamInfo<ReplyCase>& case_info) { return case_info.param.name; }

class ReplyParserTableTest : public ::testing::TestWithParam<ReplyCase> {};

TEST_P(ReplyParserTableTest, RecordsExactlyTheseDisplayCalls) {
  FakeReportDisplay display;
  ParseReply(GetParam().reply, Latin1Decoder(), display);
  EXPECT_THAT(display.calls, ElementsAreArray(GetParam().calls));
}

const ReplyCase kLineForms[] = {
    {"SevenLineExample",
     "PlayFile : None\r\nTAG : [S98]\r\ntitle=Title\r\nartist=Artist\r\ngame=Game\r\n\r\nPlaying\r\n",
     {"L_File=None", "ClearTagFields", "E_Tag_Title=Title", "E_Tag_Artist=Artist", "E_Tag_Game=Game",
      "Balloon[None]=Title : Title\r\nArtist : Artist\r\nGame : Game", "ShowBalloon", "PublishNowPlaying",
      "L_Pause=Playing"}},
    {"EveryPlayState",
     "Playing\r\nPaused\r\nStopped\r\nStop\r\n__________",
     {"L_Pause=Playing", "L_Pause=Paused", "L_Pause=Stopped", "L_Pause=Stop", "L_Pause=__________"}},
    {"NearPlayStatesIgnored", "_________\r\nStopped.\r\nplaying\r\nPLAYING\r\n Paused\r\nStop", {"L_Pause=Stop"}},
    {"EveryPrefix",
     "PlaySpeed : 2x\r\nLoopCount : 3\r\nRepeat : All\r\nPlayFile : a.s98",
     {"L_Speed=2x", "L_Loop=3", "L_Repeat=All", "L_File=a.s98"}},
    {"PrefixWithoutFinalBlankIgnored", "PlaySpeed :2x\r\nPlaySpeed :\r\nRepeat :None\r\nplayfile : x", {}},
    {"EveryOccurrenceOfThePrefixRemoved",
     "Repeat : Repeat : None\r\nPlayFile : a PlayFile : b",
     {"L_Repeat=None", "L_File=a b"}},
    {"SecondBlankAfterPrefixStays", "PlaySpeed :  2x\r\nStop", {"L_Speed= 2x", "L_Pause=Stop"}},
    {"ValueKeepsItsTrailingBlankInTheMiddle", "LoopCount : 3 \r\nStop", {"L_Loop=3 ", "L_Pause=Stop"}},
    {"UnknownLinesDropped", "Hello\r\ntitle=Title\r\nOK\r\n", {}},
};
INSTANTIATE_TEST_SUITE_P(LineForms, ReplyParserTableTest, ::testing::ValuesIn(kLineForms),
                         CaseName);

const ReplyCase kTrimming[] = {
    {"LastPlayingWithBlankCounts", "Paused\r\nPlaying \r\n", {"L_Pause=Paused", "L_Pause=Playing"}},
    {"MiddlePlayingWithBlankDoesNot", "Playing \r\nPaused", {"L_Pause=Paused"}},
    {"BlanksBeforeTheFirstLine", " \t\r\n\r\n  Stop", {"L_Pause=Stop"}},
    {"EmptyValueInTheMiddle",
     "PlaySpeed : \r\nLoopCount : \r\nRepeat : \r\nPlayFile : \r\nStop",
     {"L_Speed=", "L_Loop=", "L_Repeat=", "L_File=", "L_Pause=Stop"}},
    {"EmptySpeedAtTheEnd", "Stop\r\nPlaySpeed : ", {"L_Pause=Stop"}},
    {"EmptyLoopAtTheEnd", "Stop\r\nLoopCount : \r\n", {"L_Pause=Stop"}},
    {"EmptyRepeatAtTheEnd", "Stop\r\nRepeat : ", {"L_Pause=Stop"}},
    {"EmptyFileAtTheEnd", "Stop\r\nPlayFile :  \n", {"L_Pause=Stop"}},
    {"FirmwareHeaderWithBlankInTheMiddleIsNoHeader",
     kFirmware + " \r\nPlaying\r\nVersion 1", {"L_Pause=Playing"}},
    {"FirmwareHeaderWithBlankAtTheEndIsTrimmed", "Paused\r\n" + kFirmware + " ",
     {"L_Pause=Paused", "ClearEtc", "M_Etc+=" + kFirmware}},
    {"EmptyReply", "", {}},
    {"BlanksOnly", " \t ", {}},
    {"LineBreaksOnly", "\r\n\r\n\n\r\r", {}},
    {"ControlCharactersOnly", std::string("\0\x01\x1f \r\n", 6), {}},
};
INSTANTIATE_TEST_SUITE_P(Trimming, ReplyParserTableTest, ::testing::ValuesIn(kTrimming),
                         CaseName);

const ReplyCase kLineBreaks[] = {
    {"LoneCrAndLoneLf", "Paused\rStop\nPlaying", {"L_Pause=Paused", "L_Pause=Stop", "L_Pause=Playing"}},
    {"CrCrLfGivesAnEmptyLine", "Paused\r\r\nStop", {"L_Pause=Paused", "L_Pause=Stop"}},
    {"LfCrEndsATagBlockAfterItsFirstLine",
     "TAG : [S98]title=A\n\rartist=B\n\rgame=C",
     {"ClearTagFields", "E_Tag_Title=A", "Balloon[None]=Title : A", "ShowBalloon", "PublishNowPlaying"}},
    {"LfCrLeavesAFirmwareBlockOnlyItsHeader",
     kFirmware + "\n\rVersion 1\n\rStop",
     {"ClearEtc", "M_Etc+=" + kFirmware, "L_Pause=Stop"}},
    {"CrCrLfEndsAFirmwareBlock", kFirmware + "\r\r\nPaused", {"ClearEtc", "M_Etc+=" + kFirmware, "L_Pause=Paused"}},
};
INSTANTIATE_TEST_SUITE_P(LineBreaks, ReplyParserTableTest, ::testing::ValuesIn(kLineBreaks),
                         CaseName);

const ReplyCase kTagBlocks[] = {
    {"AllNineKeys",
     "TAG : [S98]\r\ntitle=T\r\nartist=A\r\ngame=G\r\nyear=Y\r\ngenre=N\r\ncomment=C\r\ncopyright=R\r\n"
     "s98by=B\r\nsystem=S\r\n",
     {"ClearTagFields", "E_Tag_Title=T", "E_Tag_Artist=A", "E_Tag_Game=G", "E_Tag_Year=Y", "E_Tag_Genre=N",
      "E_Tag_Comment=C", "E_Tag_Copyright=R", "E_Tag_S98By=B", "E_Tag_System=S",
      "Balloon[None]=Title : T\r\nArtist : A\r\nGame : G", "ShowBalloon", "PublishNowPlaying"}},
    {"KeysAreCaseSensitive", "TAG : [S98]\r\nTitle=T\r\nARTIST=A\r\ngame =G", {"ClearTagFields", "PublishNowPlaying"}},
    {"MarkerIsCaseSensitive", "tag : [S98]\r\ntitle=T\r\nTAG : [s98]", {"ClearTagFields"}},
    {"TagTextDirectlyBehindTheHeader",
     "TAG : [S98]title=Title",
     {"ClearTagFields", "E_Tag_Title=Title", "Balloon[None]=Title : Title", "ShowBalloon", "PublishNowPlaying"}},
    {"BlankBetweenHeaderAndTagText", "TAG : [S98] title=Title", {"ClearTagFields", "PublishNowPlaying"}},
    {"EveryHeaderOccurrenceRemoved",
     "TAG : [S98]title=TAG : [S98]X",
     {"ClearTagFields", "E_Tag_Title=X", "Balloon[None]=Title : X", "ShowBalloon", "PublishNowPlaying"}},
    {"EveryKeyOccurrenceRemoved",
     "TAG : [S98]\r\nartist=a artist=b\r\ntitle=title=T",
     {"ClearTagFields", "E_Tag_Artist=a b", "E_Tag_Title=T", "Balloon[None]=Title : T\r\nArtist : a b", "ShowBalloon",
      "PublishNowPlaying"}},
    {"KeyTwiceTheLaterWins",
     "TAG : [S98]\r\ntitle=A\r\ntitle=B\r\n",
     {"ClearTagFields", "E_Tag_Title=A", "E_Tag_Title=B", "Balloon[None]=Title : B", "ShowBalloon",
      "PublishNowPlaying"}},
    {"BlockCutByTheReplyEnd",
     "TAG : [S98]\r\ntitle=T\r\ngame=G",
     {"ClearTagFields", "E_Tag_Title=T", "E_Tag_Game=G", "Balloon[None]=Title : T\r\nGame : G", "ShowBalloon",
      "PublishNowPlaying"}},
    {"HeaderAsTheLastLine", "Stop\r\nTAG : [S98]\r\n", {"L_Pause=Stop", "ClearTagFields", "PublishNowPlaying"}},
    {"MarkerThatIsNoS98Header",
     "TAG : [XYZ]\r\ntitle=T\r\nTAG :\r\nTAG :[S98]\r\ntitle=U",
     {"ClearTagFields", "ClearTagFields", "ClearTagFields"}},
    {"EmptyTitleLeavesTheBalloon",
     "TAG : [S98]\r\nartist=A\r\ngame=G\r\n\r\n",
     {"ClearTagFields", "E_Tag_Artist=A", "E_Tag_Game=G", "PublishNowPlaying"}},
    {"TitleWithEmptyValueLeavesTheBalloon", "TAG : [S98]\r\ntitle=\r\nartist=A",
     {"ClearTagFields", "E_Tag_Title=", "E_Tag_Artist=A", "PublishNowPlaying"}},
    {"BalloonTitleIsTheFileOfThisReply",
     "PlayFile : song.s98\r\nTAG : [S98]\r\ntitle=T\r\n\r\nPlayFile : next.s98",
     {"L_File=song.s98", "ClearTagFields", "E_Tag_Title=T", "Balloon[song.s98]=Title : T", "ShowBalloon",
      "PublishNowPlaying", "L_File=next.s98"}},
    {"LinesInsideTheBlockAreOnlyTestedAsTags",
     "TAG : [S98]\r\nPlaying\r\nPlayFile : x\r\n" + kFirmware + "\r\nTAG : [S98]title=B\r\ntitle=T\r\n\r\nPaused",
     {"ClearTagFields", "E_Tag_Title=T", "Balloon[None]=Title : T", "ShowBalloon", "PublishNowPlaying",
      "L_Pause=Paused"}},
    {"TagLinesAfterTheClosingEmptyLineIgnored",
     "TAG : [S98]\r\n\r\ntitle=T\r\nStop",
     {"ClearTagFields", "PublishNowPlaying", "L_Pause=Stop"}},
    {"TwoBlocksInOneReply",
     "TAG : [S98]title=A\r\n\r\nTAG : [S98]\r\ngame=G",
     {"ClearTagFields", "E_Tag_Title=A", "Balloon[None]=Title : A", "ShowBalloon", "PublishNowPlaying",
      "ClearTagFields", "E_Tag_Game=G", "PublishNowPlaying"}},
};
INSTANTIATE_TEST_SUITE_P(TagBlocks, ReplyParserTableTest, ::testing::ValuesIn(kTagBlocks),
                         CaseName);

const ReplyCase kFirmwareBlocks[] = {
    {"HeaderIsTheFirstEntryAndTheEmptyLineIsNotAppended",
     kFirmware + "\r\nVersion 1\r\nPlaying\r\n\r\nPlaying",
     {"ClearEtc", "M_Etc+=" + kFirmware, "M_Etc+=Version 1", "M_Etc+=Playing", "L_Pause=Playing"}},
    {"LinesKeepTheirBlanks", kFirmware + "\r\n  Build 3 \r\n\r\nStop",
     {"ClearEtc", "M_Etc+=" + kFirmware, "M_Etc+=  Build 3 ", "L_Pause=Stop"}},
    {"TwoBlocks",
     kFirmware + "\r\na\r\n\r\n" + kFirmware + "\r\nb",
     {"ClearEtc", "M_Etc+=" + kFirmware, "M_Etc+=a", "ClearEtc", "M_Etc+=" + kFirmware, "M_Etc+=b"}},
    {"SecondHeaderInsideABlockIsALine",
     kFirmware + "\r\na\r\n" + kFirmware + "\r\nb",
     {"ClearEtc", "M_Etc+=" + kFirmware, "M_Etc+=a", "M_Etc+=" + kFirmware, "M_Etc+=b"}},
    {"TagHeaderInsideABlockIsALine",
     kFirmware + "\r\nTAG : [S98]title=T",
     {"ClearEtc", "M_Etc+=" + kFirmware, "M_Etc+=TAG : [S98]title=T"}},
    {"HeaderMustBeExact", "==== Firmware Information =====\r\nx\r\n" + kFirmware + "=", {}},
};
INSTANTIATE_TEST_SUITE_P(FirmwareBlocks, ReplyParserTableTest, ::testing::ValuesIn(kFirmwareBlocks),
                         CaseName);

class ReplyParserTest : public ::testing::Test {
 protected:
  void Parse(std::string_view reply) { ParseReply(reply, Latin1Decoder(), display); }
  FakeReportDisplay display;
};

TEST_F(ReplyParserTest, BalloonIsUpdatedButNotShownWhileTheWindowIsVisible) {
  display.window_visible = true;
  Parse("TAG : [S98]title=T");
  EXPECT_THAT(display.calls, ElementsAre("ClearTagFields", "E_Tag_Title=T", "Balloon[None]=Title : T",
                                         "PublishNowPlaying"));
}

TEST_F(ReplyParserTest, BalloonIsUpdatedButNotShownWhenBalloonsAreSwitchedOff) {
  display.balloons_off = true;
  Parse("TAG : [S98]title=T");
  EXPECT_THAT(display.calls, ElementsAre("ClearTagFields", "E_Tag_Title=T", "Balloon[None]=Title : T",
                                         "PublishNowPlaying"));
}

TEST_F(ReplyParserTest, NoNoticeWhenTheMessengerWasOffAtLoad) {
  display.msn_enabled = false;
  Parse("TAG : [S98]title=T\r\n\r\nTAG : [S98]");
  EXPECT_THAT(display.calls, ElementsAre("ClearTagFields", "E_Tag_Title=T", "Balloon[None]=Title : T",
                                         "ShowBalloon", "ClearTagFields"));
}

TEST_F(ReplyParserTest, BalloonKeepsThePreviousBlockWhenTheTitleIsEmpty) {
  Parse("PlayFile : one.s98\r\nTAG : [S98]\r\ntitle=One\r\nartist=A");
  Parse("PlayFile : two.s98\r\nTAG : [S98]\r\ngame=G");
  EXPECT_EQ(display.balloon_title, u"one.s98");
  EXPECT_EQ(display.balloon_text, u"Title : One\r\nArtist : A");
  EXPECT_EQ(display.tags[static_cast<int>(TagField::Artist)], u"") << "the second header emptied the fields";
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
  EXPECT_EQ(display.tags[static_cast<int>(TagField::Title)], u"\u00c0\u00ff");
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
  ParseReply(" \r\nTAG : [S98]title=\x82\x42\x82\x43\r\n\r\nPlaying\r\n", decoder, display);
  EXPECT_THAT(decoder.given, ElementsAre("TAG : [S98]title=\x82\x42\x82\x43", "", "Playing"));
  EXPECT_EQ(display.tags[static_cast<int>(TagField::Title)], u"\u3042\u3043");
  EXPECT_EQ(display.balloon_text, u"Title : \u3042\u3043");
  EXPECT_EQ(display.status[StatusLabel::Pause], u"Playing");
}

TEST_F(ReplyParserTest, ABrokenCharacterAtALinesEndLeavesTheNextLineWhole) {
  PairDecoder decoder;
  ParseReply("TAG : [S98]title=a\x82\r\nartist=b", decoder, display);
  EXPECT_EQ(display.tags[static_cast<int>(TagField::Title)], u"a\u0082");
  EXPECT_EQ(display.tags[static_cast<int>(TagField::Artist)], u"b");
}

TEST_F(ReplyParserTest, EmptyReplyDecodesAndTouchesNothing) {
  PairDecoder decoder;
  ParseReply("\r\n \t", decoder, display);
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
  std::string firmware = kFirmware;
  while (firmware.size() < (1u << 20)) firmware += "\r\nline";

  const auto start = std::chrono::steady_clock::now();
  Parse(repeats + "None\r\nStop");
  Parse(headers + "title=T");
  Parse(firmware);
  const auto elapsed = std::chrono::steady_clock::now() - start;

  EXPECT_EQ(display.status[StatusLabel::Repeat], u"None");
  EXPECT_EQ(display.tags[static_cast<int>(TagField::Title)], u"T");
  EXPECT_EQ(display.etc.size(), 1u + (firmware.size() - kFirmware.size()) / 6);
  EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count(), 5000);
}

}  // namespace
}  // namespace tonquil
