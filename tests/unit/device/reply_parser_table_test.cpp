// The report language, case by case: what one reply sends to the display.
#include "device/reply_parser.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "fakes/fake_report_targets.h"

namespace tonquil {
namespace {

using testing::FakeReportTargets;

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
  FakeReportTargets display;
  ParseReply(GetParam().reply, Latin1Decoder(), display.Targets());
  EXPECT_THAT(display.calls, ::testing::ElementsAreArray(GetParam().calls));
}

const ReplyCase kLineForms[] = {
    {"SevenLineExample",
     "PlayFile : None\r\nTAG : [S98]\r\ntitle=Title\r\nartist=Artist\r\ngame=Game\r\n\r\nPlaying\r\n",
     {"L_File=None", "Tags{Title=Title|Artist=Artist|Game=Game}",
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
     {"L_Pause=Paused", "M_Etc{" + kFirmware + "}"}},
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
     {"Tags{Title=A}", "Balloon[None]=Title : A", "ShowBalloon", "PublishNowPlaying"}},
    {"LfCrLeavesAFirmwareBlockOnlyItsHeader",
     kFirmware + "\n\rVersion 1\n\rStop",
     {"M_Etc{" + kFirmware + "}", "L_Pause=Stop"}},
    {"CrCrLfEndsAFirmwareBlock", kFirmware + "\r\r\nPaused", {"M_Etc{" + kFirmware + "}", "L_Pause=Paused"}},
};
INSTANTIATE_TEST_SUITE_P(LineBreaks, ReplyParserTableTest, ::testing::ValuesIn(kLineBreaks),
                         CaseName);

const ReplyCase kTagBlocks[] = {
    {"AllNineKeys",
     "TAG : [S98]\r\ntitle=T\r\nartist=A\r\ngame=G\r\nyear=Y\r\ngenre=N\r\ncomment=C\r\ncopyright=R\r\n"
     "s98by=B\r\nsystem=S\r\n",
     {"Tags{Title=T|Artist=A|Game=G|Year=Y|Genre=N|Comment=C|Copyright=R|S98By=B|System=S}",
      "Balloon[None]=Title : T\r\nArtist : A\r\nGame : G", "ShowBalloon", "PublishNowPlaying"}},
    {"KeysAreCaseSensitive", "TAG : [S98]\r\nTitle=T\r\nARTIST=A\r\ngame =G", {"Tags{}", "PublishNowPlaying"}},
    {"MarkerIsCaseSensitive", "tag : [S98]\r\ntitle=T\r\nTAG : [s98]", {"Tags{}"}},
    {"TagTextDirectlyBehindTheHeader",
     "TAG : [S98]title=Title",
     {"Tags{Title=Title}", "Balloon[None]=Title : Title", "ShowBalloon", "PublishNowPlaying"}},
    {"BlankBetweenHeaderAndTagText", "TAG : [S98] title=Title", {"Tags{}", "PublishNowPlaying"}},
    {"EveryHeaderOccurrenceRemoved",
     "TAG : [S98]title=TAG : [S98]X",
     {"Tags{Title=X}", "Balloon[None]=Title : X", "ShowBalloon", "PublishNowPlaying"}},
    {"EveryKeyOccurrenceRemoved",
     "TAG : [S98]\r\nartist=a artist=b\r\ntitle=title=T",
     {"Tags{Title=T|Artist=a b}", "Balloon[None]=Title : T\r\nArtist : a b", "ShowBalloon",
      "PublishNowPlaying"}},
    {"KeyTwiceTheLaterWins",
     "TAG : [S98]\r\ntitle=A\r\ntitle=B\r\n",
     {"Tags{Title=B}", "Balloon[None]=Title : B", "ShowBalloon",
      "PublishNowPlaying"}},
    {"BlockCutByTheReplyEnd",
     "TAG : [S98]\r\ntitle=T\r\ngame=G",
     {"Tags{Title=T|Game=G}", "Balloon[None]=Title : T\r\nGame : G", "ShowBalloon",
      "PublishNowPlaying"}},
    {"HeaderAsTheLastLine", "Stop\r\nTAG : [S98]\r\n", {"L_Pause=Stop", "Tags{}", "PublishNowPlaying"}},
    {"MarkerThatIsNoS98Header",
     "TAG : [XYZ]\r\ntitle=T\r\nTAG :\r\nTAG :[S98]\r\ntitle=U",
     {"Tags{}", "Tags{}", "Tags{}"}},
    {"EmptyTitleLeavesTheBalloon",
     "TAG : [S98]\r\nartist=A\r\ngame=G\r\n\r\n",
     {"Tags{Artist=A|Game=G}", "PublishNowPlaying"}},
    {"TitleWithEmptyValueLeavesTheBalloon", "TAG : [S98]\r\ntitle=\r\nartist=A",
     {"Tags{Artist=A}", "PublishNowPlaying"}},
    {"BalloonTitleIsTheFileOfThisReply",
     "PlayFile : song.s98\r\nTAG : [S98]\r\ntitle=T\r\n\r\nPlayFile : next.s98",
     {"L_File=song.s98", "Tags{Title=T}", "Balloon[song.s98]=Title : T", "ShowBalloon",
      "PublishNowPlaying", "L_File=next.s98"}},
    {"LinesInsideTheBlockAreOnlyTestedAsTags",
     "TAG : [S98]\r\nPlaying\r\nPlayFile : x\r\n" + kFirmware + "\r\nTAG : [S98]title=B\r\ntitle=T\r\n\r\nPaused",
     {"Tags{Title=T}", "Balloon[None]=Title : T", "ShowBalloon", "PublishNowPlaying",
      "L_Pause=Paused"}},
    {"TagLinesAfterTheClosingEmptyLineIgnored",
     "TAG : [S98]\r\n\r\ntitle=T\r\nStop",
     {"Tags{}", "PublishNowPlaying", "L_Pause=Stop"}},
    {"TwoBlocksInOneReply",
     "TAG : [S98]title=A\r\n\r\nTAG : [S98]\r\ngame=G",
     {"Tags{Title=A}", "Balloon[None]=Title : A", "ShowBalloon", "PublishNowPlaying",
      "Tags{Game=G}", "PublishNowPlaying"}},
};
INSTANTIATE_TEST_SUITE_P(TagBlocks, ReplyParserTableTest, ::testing::ValuesIn(kTagBlocks),
                         CaseName);

const ReplyCase kFirmwareBlocks[] = {
    {"HeaderIsTheFirstEntryAndTheEmptyLineIsNotAppended",
     kFirmware + "\r\nVersion 1\r\nPlaying\r\n\r\nPlaying",
     {"M_Etc{" + kFirmware + "|Version 1|Playing}", "L_Pause=Playing"}},
    {"LinesKeepTheirBlanks", kFirmware + "\r\n  Build 3 \r\n\r\nStop",
     {"M_Etc{" + kFirmware + "|  Build 3 }", "L_Pause=Stop"}},
    {"TwoBlocks",
     kFirmware + "\r\na\r\n\r\n" + kFirmware + "\r\nb",
     {"M_Etc{" + kFirmware + "|a}", "M_Etc{" + kFirmware + "|b}"}},
    {"SecondHeaderInsideABlockIsALine",
     kFirmware + "\r\na\r\n" + kFirmware + "\r\nb",
     {"M_Etc{" + kFirmware + "|a|" + kFirmware + "|b}"}},
    {"TagHeaderInsideABlockIsALine",
     kFirmware + "\r\nTAG : [S98]title=T",
     {"M_Etc{" + kFirmware + "|TAG : [S98]title=T}"}},
    {"HeaderMustBeExact", "==== Firmware Information =====\r\nx\r\n" + kFirmware + "=", {}},
};
INSTANTIATE_TEST_SUITE_P(FirmwareBlocks, ReplyParserTableTest, ::testing::ValuesIn(kFirmwareBlocks),
                         CaseName);

}  // namespace
}  // namespace tonquil
