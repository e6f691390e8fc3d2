// Replies that the serial line changes on their way: zero bytes, odd line ends, replies
// cut across reads, and output that nobody asked for. The program shows what it received
// by the report rules.
#include <gtest/gtest.h>

#include <chrono>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "harness/serial_fault_test.h"
#include "harness/wait_until.h"

namespace tonquil::e2e::fault {
namespace {

// A line fault whose effect on every reply is fixed by the report rules.
struct LineFault {
  const char* name;
  std::vector<std::string> faults;
};

void PrintTo(const LineFault& fault, std::ostream* out) { *out << fault.name; }

class SerialLineFault : public SerialFault, public ::testing::WithParamInterface<LineFault> {};

// A zero byte after the first line of a reply ends the text there; with LF CR line
// ends every line is followed by an empty one, which closes a block after its first line.
// Either way a reply keeps only its first report line: the file line of a song report and
// the firmware header, but never a tag.
TEST_P(SerialLineFault, EachReplyShowsOnlyItsFirstLine) {
  LinkModule(GetParam().faults);
  StartAndOpen();
  Display expected = Shown();
  EXPECT_EQ(expected.fields.at("play"), "Stopped");
  EXPECT_EQ(expected.fields.at("path"), kFirstSong);
  EXPECT_EQ(expected.fields, WithoutTags(expected.fields));
  EXPECT_EQ(expected.etc, std::vector<std::string>{kFirmwareLines.front()});

  Press({">|", 2});
  expected.fields["path"] = "01_Arcade/02_stage1.s98";
  EXPECT_EQ(Shown(), expected);
  Press({"Speed", 1});
  expected.fields["speed"] = "2x";
  EXPECT_EQ(Shown(), expected);
  EXPECT_EQ(CloseTonquil(), 0);
}

INSTANTIATE_TEST_SUITE_P(Faults, SerialLineFault,
                         ::testing::Values(LineFault{"ZeroByteAfterTheFirstLine", {"--nul"}},
                                           LineFault{"LfCrLineEnds", {"--lfcr"}}),
                         [](const ::testing::TestParamInfo<LineFault>& param) {
                           return std::string(param.param.name);
                         });

// Each reply sends its first 108 bytes at once, read by the program 100 ms after its
// command, and holds the rest back until the next command, whose read takes it in front
// of that command's reply. The cut falls on the "year" line of a song report: the tag
// block shows the tags up to it and a cut-off year, and the late rest, outside any
// block, changes nothing. The firmware block is cut after its "Board" line and one byte.
TEST_F(SerialFault, RepliesCutAfterTheProgramsReadAreShownByTheReportRules) {
  LinkModule({"--cut", "108"});
  StartAndOpen();
  Display expected;
  expected.fields = WithoutTags({{"play", "Stopped"}, {"speed", "1x"}, {"loop", "1"}, {"repeat", "None"},
                                 {"path", kFirstSong}});
  expected.fields["title"] = kFirstTitle;
  expected.fields["artist"] = "霧島 遥";
  expected.fields["game"] = "星の航路";
  expected.etc = {kFirmwareLines[0], kFirmwareLines[1], kFirmwareLines[2], kFirmwareLines[3], "S"};
  EXPECT_EQ(Shown(), expected);

  // The firmware's rest comes in front of the next song's file line, then the song
  // report is cut inside its year.
  Press({">|", 2});
  expected.fields["path"] = "01_Arcade/02_stage1.s98";
  expected.fields["title"] = "草原を駆けて";
  expected.fields["year"] = "198";
  EXPECT_EQ(Shown(), expected);

  // The report's rest, tag lines among it, comes in front of the speed line.
  Press({"Speed", 1});
  expected.fields["speed"] = "2x";
  EXPECT_EQ(Shown(), expected);
  EXPECT_EQ(CloseTonquil(), 0);
}

// The module moves on by itself every 1.5 s; the program does not poll, so its reports
// wait in the queue and are parsed in front of the next command's reply, the last one
// winning.
TEST_F(SerialFault, UnpromptedReportsWaitForTheNextCommandAndTheLastOneWins) {
  const std::string state_path = folder_.File("module.state");
  LinkModule({"--unprompted-ms", "1500", "--state", state_path});
  StartAndOpen();

  // The module's state once it has moved on to another song by itself.
  const auto next_move = [&state_path] {
    const std::string from = ModuleState(state_path)["path"];
    Fields state;
    WaitUntil(
        [&] {
          state = ModuleState(state_path);
          return state["path"] != from && !state["path"].empty();
        },
        std::chrono::seconds(5), std::chrono::milliseconds(20));
    return state;
  };
  const auto song_of = [](const Fields& state) {
    return std::make_pair(state.at("path"), state.at("title"));
  };

  const Display opened = Shown();
  ASSERT_NE(next_move()["path"], opened.fields.at("path"));
  EXPECT_EQ(Shown(), opened) << "nothing changes between commands";
  const auto moved = next_move();
  Press({"Speed", 1});
  // A move during the exchange would land in its reply, after the speed line.
  const auto later = ModuleState(state_path);
  const Display shown = Shown();
  const auto shown_song = std::make_pair(shown.fields.at("path"), shown.fields.at("title"));
  EXPECT_TRUE(shown_song == song_of(moved) || shown_song == song_of(later))
      << shown << "; the module played " << moved.at("path") << ", then " << later.at("path");
  EXPECT_EQ(shown.fields.at("speed"), "2x");
  EXPECT_EQ(CloseTonquil(), 0);
}

}  // namespace
}  // namespace tonquil::e2e::fault
