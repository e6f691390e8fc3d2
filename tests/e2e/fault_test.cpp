// The serial line misbehaving under a running program: the module unplugged in the middle
// of a session, a flood of output, zero bytes, replies cut across reads, odd line ends and
// output that nobody asked for. The program must keep answering within its fixed pauses,
// show what it received by the report rules and lose nothing of its own.
#include <gtest/gtest.h>
#include <signal.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "harness/options_dialog.h"
#include "harness/tonquil_test.h"
#include "harness/utf16_file.h"

namespace tonquil::e2e {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kCom = 7;
constexpr int kPauseMs = 100;
// What a click costs besides the program's own pauses: starting the driver under Wine on
// two busy cores, finding the window, the round trip of the click. A handler that waited
// on a dead line would still go far beyond.
constexpr int kClickOverheadMs = 1200;
// Reads that find bytes stretch with the load; those clicks only have to end.
constexpr int kBusyClickOverheadMs = 3000;

const std::string kFirstSong = "01_Arcade/01_opening.s98";
const std::string kFirstTitle = "夜明けのテーマ";
const std::vector<std::string> kFirmware = {"===== Firmware Information =====",
                                            "Version : 1.10",
                                            "Build : 2011/05/29 21:40:12",
                                            "Board : Rev.C (OPNA + OPM)",
                                            "Storage : SD 1GB FAT16",
                                            "Library : 3 dirs, 9 files",
                                            "Serial : 230400bps 8N1"};

// A button of the control panel and the commands its handler exchanges.
struct Button {
  std::string caption;
  int commands;
};

const std::vector<Button> kActionButtons = {{"|<", 2},    {"Play/Stop", 2}, {">|", 2},
                                            {"Dir-", 2},  {"Dir+", 2},      {"Pause", 1},
                                            {"Speed", 1}, {"Loop", 1},      {"Repeat", 1}};
const Button kReset = {"Reset", 8};  // "!" and then the seven status queries

// The display fields of the main window under short names, read from one dump.
struct Display {
  std::map<std::string, std::string> labels;  // pause, speed, loop, repeat, file
  std::vector<std::string> tags;              // title to system, top to bottom
  std::vector<std::string> etc;               // the lines of M_Etc

  bool operator==(const Display& other) const {
    return labels == other.labels && tags == other.tags && etc == other.etc;
  }
  const std::string& title() const { return tags.at(0); }
};

std::ostream& operator<<(std::ostream& out, const Display& display) {
  for (const auto& [name, text] : display.labels) out << name << "=\"" << text << "\" ";
  out << "tags=[";
  for (const std::string& tag : display.tags) out << "\"" << tag << "\" ";
  out << "] etc=[";
  for (const std::string& line : display.etc) out << "\"" << line << "\" ";
  return out << "]";
}

std::vector<std::string> MemoLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

Display DisplayOf(const WindowDump& main) {
  Display display;
  const std::pair<const char*, std::pair<int, int>> labels[] = {{"pause", {360, 72}},
                                                                {"speed", {360, 104}},
                                                                {"loop", {360, 136}},
                                                                {"repeat", {360, 168}},
                                                                {"file", {16, 252}}};
  for (const auto& [name, at] : labels) {
    display.labels[name] = main.At("label", at.first, at.second).Text("text");
  }
  constexpr int kTagCount = 9;
  constexpr int kFirstTagY = 296;
  constexpr int kTagPitch = 24;
  for (int i = 0; i < kTagCount; ++i) {
    display.tags.push_back(main.At("edit", 72, kFirstTagY + i * kTagPitch).Text("text"));
  }
  display.etc = MemoLines(main.At("memo", 280, 280).Text("text"));
  return display;
}

std::map<std::string, std::string> StateFile(const std::string& path) {
  std::map<std::string, std::string> state;
  std::ifstream file(path);
  for (std::string line; std::getline(file, line);) {
    const size_t equals = line.find('=');
    if (equals != std::string::npos) state[line.substr(0, equals)] = line.substr(equals + 1);
  }
  return state;
}

class SerialFault : public TonquilTest {
 protected:
  void LinkModule(const std::vector<std::string>& faults = {}) {
    emulator_ = std::make_unique<Emulator>(kCom, folder_, faults);
  }

  void StartAndOpen() {
    app_.WriteIni(CrLfLines({"[Option]", "ComPort=COM" + std::to_string(kCom)}));
    StartTonquil();
    Press({"Open", 7});
  }

  // Clicks a button and checks that its handler returned within the pauses of its
  // exchanges (100 ms after each write, another 100 ms after each read that found bytes)
  // and the cost of the click; with replies, within twice the pauses and a wider margin.
  void Press(const Button& button, bool replies = true) {
    const int pauses_ms = button.commands * kPauseMs * (replies ? 2 : 1);
    const int limit_ms =
        replies ? 2 * pauses_ms + kBusyClickOverheadMs : pauses_ms + kClickOverheadMs;
    const auto start = Clock::now();
    ASSERT_TRUE(driver_.Click(kMainClass, "=" + button.caption)) << button.caption;
    const auto took = std::chrono::duration_cast<milliseconds>(Clock::now() - start).count();
    std::cout << "[ timing   ] " << button.caption << ": " << took << " ms\n";
    EXPECT_LE(took, limit_ms) << button.caption;
  }

  Display Shown() { return DisplayOf(DumpMain()); }
};

// The emulator's own process among those that hold its terminal open.
pid_t EmulatorPid(const Emulator& emulator) {
  std::vector<pid_t> holders = ProcessesHolding(emulator.Tty());
  for (const pid_t other : emulator.OtherHolders()) {
    holders.erase(std::remove(holders.begin(), holders.end(), other), holders.end());
  }
  if (holders.size() != 1) throw std::runtime_error("cannot tell the emulator's process apart");
  return holders.front();
}

// A killed process keeps its descriptors until it is a zombie; then the terminal's
// master side is closed, as when the cable is pulled.
bool WaitUntilDead(pid_t pid) {
  const auto deadline = Clock::now() + std::chrono::seconds(5);
  const std::string stat_path = "/proc/" + std::to_string(pid) + "/stat";
  while (Clock::now() < deadline) {
    std::ifstream stat(stat_path);
    std::string pid_field, name, state;
    if (!(stat >> pid_field >> name >> state) || state == "Z") return true;
    std::this_thread::sleep_for(milliseconds(20));
  }
  return false;
}

TEST_F(SerialFault, ModuleUnpluggedMidSessionEveryButtonReturnsAndTheNextOpenWorks) {
  LinkModule();
  StartAndOpen();
  const Display before = Shown();
  ASSERT_EQ(before.labels.at("file"), kFirstSong);
  ASSERT_EQ(before.title(), kFirstTitle);
  ASSERT_EQ(before.etc, kFirmware);

  const pid_t module = EmulatorPid(*emulator_);
  ASSERT_EQ(::kill(module, SIGKILL), 0);
  ASSERT_TRUE(WaitUntilDead(module));

  for (const Button& button : kActionButtons) Press(button, false);
  EXPECT_EQ(Shown(), before) << "with nothing received, nothing changes";
  Press(kReset, false);
  Display emptied = before;
  emptied.tags.assign(before.tags.size(), "");
  emptied.etc.clear();
  EXPECT_EQ(Shown(), emptied) << "Reset empties the tags and the memo, then learns nothing";
  ExpectNoMessageBox();

  Press({"Close", 0}, false);
  ExpectPortOpen(false);

  // Plugged in again under the same name: a fresh module, read through a fresh Open.
  emulator_.reset();
  TempDir relinked_folder;
  emulator_ = std::make_unique<Emulator>(kCom, relinked_folder);
  Press({"Open", 7});
  ExpectPortOpen(true);
  const Display after = Shown();
  EXPECT_EQ(after.labels.at("file"), kFirstSong);
  EXPECT_EQ(after.title(), kFirstTitle);
  EXPECT_EQ(after.etc, kFirmware);
  EXPECT_EQ(CloseTonquil(), 0);
  emulator_.reset();  // before its folder goes
}

TEST_F(SerialFault, MebibyteBurstKeepsEveryButtonWithinItsPauses) {
  LinkModule({"--burst", "1M"});  // behind the reply to the P of the status refresh
  StartAndOpen();
  const Display opened = Shown();
  EXPECT_EQ(opened.labels.at("file"), kFirstSong);
  EXPECT_EQ(opened.title(), kFirstTitle);
  EXPECT_TRUE(opened.etc.empty()) << "the firmware block waits behind the burst";

  // Every read now takes one queue's worth of the burst's console lines, which are no
  // report: the display stays as it was while the module's answers wait their turn.
  for (const Button& button : {Button{"Speed", 1}, Button{"Loop", 1}, Button{">|", 2}}) {
    Press(button);
  }
  EXPECT_EQ(Shown(), opened);
  EXPECT_EQ(CloseTonquil(), 0);
}

TEST_F(SerialFault, BurstLargerThanTheQueueDrainsAndLaterCommandsShowAgain) {
  LinkModule({"--burst", "64K"});
  StartAndOpen();
  constexpr int kMaxResets = 8;
  int resets = 0;
  while (Shown().etc != kFirmware && resets < kMaxResets) {
    Press(kReset);
    ++resets;
  }
  ASSERT_LT(resets, kMaxResets) << "the burst never drained";
  // Once drained, a reset's replies come back whole, each with its own command.
  Press(kReset);
  const Display reset = Shown();
  EXPECT_EQ(reset.labels.at("pause"), "Stopped");
  EXPECT_EQ(reset.labels.at("file"), kFirstSong);
  EXPECT_EQ(reset.title(), kFirstTitle);
  EXPECT_EQ(reset.etc, kFirmware);
  Press({"Speed", 1});
  EXPECT_EQ(Shown().labels.at("speed"), "2x");
  EXPECT_EQ(CloseTonquil(), 0);
}

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
  EXPECT_EQ(expected.labels.at("pause"), "Stopped");
  EXPECT_EQ(expected.labels.at("file"), kFirstSong);
  EXPECT_EQ(expected.tags, std::vector<std::string>(9, ""));
  EXPECT_EQ(expected.etc, std::vector<std::string>{kFirmware.front()});

  Press({">|", 2});
  expected.labels["file"] = "01_Arcade/02_stage1.s98";
  EXPECT_EQ(Shown(), expected);
  Press({"Speed", 1});
  expected.labels["speed"] = "2x";
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
  expected.labels = {{"pause", "Stopped"}, {"speed", "1x"}, {"loop", "1"}, {"repeat", "None"}, {"file", kFirstSong}};
  expected.tags = {kFirstTitle, "霧島 遥", "星の航路", "", "", "", "", "", ""};
  expected.etc = {kFirmware[0], kFirmware[1], kFirmware[2], kFirmware[3], "S"};
  EXPECT_EQ(Shown(), expected);

  // The firmware's rest comes in front of the next song's file line, then the song
  // report is cut inside its year.
  Press({">|", 2});
  expected.labels["file"] = "01_Arcade/02_stage1.s98";
  expected.tags = {"草原を駆けて", "霧島 遥", "星の航路", "198", "", "", "", "", ""};
  EXPECT_EQ(Shown(), expected);

  // The report's rest, tag lines among it, comes in front of the speed line.
  Press({"Speed", 1});
  expected.labels["speed"] = "2x";
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
    const std::string from = StateFile(state_path)["path"];
    const auto deadline = Clock::now() + std::chrono::seconds(5);
    std::map<std::string, std::string> state = StateFile(state_path);
    while ((state["path"] == from || state["path"].empty()) && Clock::now() < deadline) {
      std::this_thread::sleep_for(milliseconds(20));
      state = StateFile(state_path);
    }
    return state;
  };
  const auto song_of = [](const std::map<std::string, std::string>& state) {
    return std::make_pair(state.at("path"), state.at("title"));
  };

  const Display opened = Shown();
  ASSERT_NE(next_move()["path"], opened.labels.at("file"));
  EXPECT_EQ(Shown(), opened) << "nothing changes between commands";
  const auto moved = next_move();
  Press({"Speed", 1});
  // A move during the exchange would land in its reply, after the speed line.
  const auto later = StateFile(state_path);
  const Display shown = Shown();
  const auto shown_song = std::make_pair(shown.labels.at("file"), shown.title());
  EXPECT_TRUE(shown_song == song_of(moved) || shown_song == song_of(later))
      << shown << "; the module played " << moved.at("path") << ", then " << later.at("path");
  EXPECT_EQ(shown.labels.at("speed"), "2x");
  EXPECT_EQ(CloseTonquil(), 0);
}

}  // namespace
}  // namespace tonquil::e2e
