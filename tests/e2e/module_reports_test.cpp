// The module's output when it does not come as one neat reply per command: late, huge,
// with a zero byte in it, or unasked for. The program shows only what it has read, and
// reads only when a command is given.
#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "harness/linked_module_test.h"

namespace tonquil::e2e {
namespace {

class ModuleReports : public LinkedModuleTest {
 protected:
  // Until the module's state file names another song than from_path.
  bool WaitForModuleToLeave(const std::string& from_path) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (State().at("path") == from_path) {
      if (std::chrono::steady_clock::now() >= deadline) return false;
      std::this_thread::sleep_for(milliseconds(20));
    }
    return true;
  }
};

// Each reply comes this long after its command: well after the program's read, 100 ms
// (at most 200 ms) after the write, and in the queue by the next click once the test has
// waited kLateReplyArrived.
constexpr int kDelayMs = 400;
constexpr milliseconds kLateReplyArrived{2 * kDelayMs};

TEST_F(ModuleReports, LateReplyIsShownWithTheNextCommand) {
  LinkModule({"--delay-ms", std::to_string(kDelayMs)});
  StartAndOpen();
  EXPECT_EQ(EtcLines(), std::vector<std::string>{}) << "the firmware block is still on its way";

  std::this_thread::sleep_for(kLateReplyArrived);
  Press("Speed");
  Fields shown = Shown();
  EXPECT_EQ(State().at("speed"), "2x");
  EXPECT_EQ(shown.at("speed"), "1x") << "the new speed is still on its way";
  EXPECT_EQ(EtcLines(), kFirmwareLines) << "the reply to the last query came with Speed's";
  EXPECT_EQ(shown.at("title"), "夜明けのテーマ");

  std::this_thread::sleep_for(kLateReplyArrived);
  Press("Loop");
  shown = Shown();
  EXPECT_EQ(shown.at("speed"), "2x");
  EXPECT_EQ(State().at("loop"), "2");
  EXPECT_EQ(shown.at("loop"), "1");

  std::this_thread::sleep_for(kLateReplyArrived);
  Press("Repeat");
  shown = Shown();
  EXPECT_EQ(shown.at("loop"), "2");
  EXPECT_EQ(State().at("repeat"), "One");
  EXPECT_EQ(shown.at("repeat"), "None");
  EXPECT_EQ(CloseTonquil(), 0);
}

TEST_F(ModuleReports, FourKibibyteReplyLeavesTheProgramWorkingAndItsLinesUnshown) {
  LinkModule({"--burst", "4K"});  // behind the reply to the first P, inside Open
  StartAndOpen();
  EXPECT_EQ(ReadsFrom(0, kStatusQueries.size()), kStatusQueries);
  EXPECT_EQ(Shown(), State()) << "the song's report before the burst is shown";
  EXPECT_EQ(EtcLines(), kFirmwareLines) << "no console line of the burst in M_Etc";

  Press(">|");
  Press("Speed");
  const Fields shown = Shown();
  EXPECT_EQ(shown, State()) << "the program answers and goes on after the burst";
  EXPECT_EQ(shown.at("title"), "草原を駆けて");
  EXPECT_EQ(shown.at("speed"), "2x");
  EXPECT_EQ(CloseTonquil(), 0);
}

TEST_F(ModuleReports, ZeroByteEndsWhatIsShownOfThatRead) {
  LinkModule({"--nul"});  // a zero byte after the first line of every reply
  StartAndOpen();
  // One-line replies come whole; of the song report only the file line, of the firmware
  // block only its header.
  EXPECT_EQ(Shown(), WithoutTags(State())) << "Open";
  EXPECT_EQ(EtcLines(), std::vector<std::string>{kFirmwareLines.front()});

  Press(">|");
  EXPECT_EQ(Shown(), WithoutTags(State())) << ">|";
  EXPECT_EQ(Shown().at("path"), "01_Arcade/02_stage1.s98");
  Press("Play/Stop");
  Press("Speed");
  Fields shown = Shown();
  EXPECT_EQ(shown, WithoutTags(State())) << "Play/Stop, Speed";
  EXPECT_EQ(shown.at("play"), "Playing");
  EXPECT_EQ(shown.at("speed"), "2x");

  // The module's own report and the reply to Speed arrive in one read: everything behind
  // the report's first line is lost, the new speed included.
  emulator_->Signal(SIGUSR1);
  ASSERT_TRUE(WaitForModuleToLeave("01_Arcade/02_stage1.s98"));
  Press("Speed");
  shown = Shown();
  EXPECT_EQ(shown.at("path"), "01_Arcade/03_boss.s98");
  EXPECT_EQ(State().at("speed"), "4x");
  EXPECT_EQ(shown.at("speed"), "2x") << "the reply behind the zero byte";

  Press("Loop");
  shown = Shown();
  EXPECT_EQ(shown.at("loop"), "2") << "the program goes on";
  EXPECT_EQ(shown.at("speed"), "2x");
  EXPECT_EQ(CloseTonquil(), 0);
}

TEST_F(ModuleReports, UnpromptedReportWaitsForTheNextCommand) {
  LinkModule();
  StartAndOpen();
  const Fields opened = Shown();
  ASSERT_EQ(opened, State());

  // The module moves on twice by itself; the program does not look until it is asked.
  emulator_->Signal(SIGUSR1);
  ASSERT_TRUE(WaitForModuleToLeave("01_Arcade/01_opening.s98"));
  emulator_->Signal(SIGUSR1);
  ASSERT_TRUE(WaitForModuleToLeave("01_Arcade/02_stage1.s98"));
  std::this_thread::sleep_for(milliseconds(300));
  EXPECT_EQ(Shown(), opened) << "nothing read between commands";

  // Speed is the marker: its reply must come with both reports in front of it.
  Press("Speed");
  const Fields shown = Shown();
  EXPECT_EQ(shown, State()) << "both reports parsed at the front of Speed's reply";
  EXPECT_EQ(shown.at("path"), "01_Arcade/03_boss.s98");
  EXPECT_EQ(shown.at("title"), "Iron Fortress");
  EXPECT_EQ(shown.at("speed"), "2x");
  std::vector<std::string> asked = kStatusQueries;
  asked.push_back("s");
  EXPECT_EQ(emulator_->Reads(), asked) << "no command of the program's own";
  EXPECT_EQ(CloseTonquil(), 0);
}

}  // namespace
}  // namespace tonquil::e2e
