// The serial line misbehaving under a running program: the module unplugged in the middle
// of a session, and a flood of output. The program must keep answering within its fixed
// pauses and lose nothing of its own.
#include <gtest/gtest.h>
#include <signal.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "harness/serial_fault_test.h"
#include "harness/wait_until.h"

namespace tonquil::e2e::fault {
namespace {

const std::vector<Button> kActionButtons = {{"|<", 2},    {"Play/Stop", 2}, {">|", 2},
                                            {"Dir-", 2},  {"Dir+", 2},      {"Pause", 1},
                                            {"Speed", 1}, {"Loop", 1},      {"Repeat", 1}};
const Button kReset = {"Reset", 8};  // "!" and then the seven status queries

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
  const std::string stat_path = "/proc/" + std::to_string(pid) + "/stat";
  const auto dead = [&stat_path] {
    std::ifstream stat(stat_path);
    std::string pid_field, name, state;
    return !(stat >> pid_field >> name >> state) || state == "Z";
  };
  return WaitUntil(dead, std::chrono::seconds(5), std::chrono::milliseconds(20));
}

TEST_F(SerialFault, ModuleUnpluggedMidSessionEveryButtonReturnsAndTheNextOpenWorks) {
  LinkModule();
  StartAndOpen();
  const Display before = Shown();
  ASSERT_EQ(before.fields.at("path"), kFirstSong);
  ASSERT_EQ(before.fields.at("title"), kFirstTitle);
  ASSERT_EQ(before.etc, kFirmwareLines);

  const pid_t module = EmulatorPid(*emulator_);
  ASSERT_EQ(::kill(module, SIGKILL), 0);
  ASSERT_TRUE(WaitUntilDead(module));

  for (const Button& button : kActionButtons) Press(button, false);
  EXPECT_EQ(Shown(), before) << "with nothing received, nothing changes";
  Press(kReset, false);
  const Display emptied{WithoutTags(before.fields), {}};
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
  EXPECT_EQ(after.fields.at("path"), kFirstSong);
  EXPECT_EQ(after.fields.at("title"), kFirstTitle);
  EXPECT_EQ(after.etc, kFirmwareLines);
  EXPECT_EQ(CloseTonquil(), 0);
  emulator_.reset();  // before its folder goes
}

TEST_F(SerialFault, MebibyteBurstKeepsEveryButtonWithinItsPauses) {
  LinkModule({"--burst", "1M"});  // behind the reply to the P of the status refresh
  StartAndOpen();
  const Display opened = Shown();
  EXPECT_EQ(opened.fields.at("path"), kFirstSong);
  EXPECT_EQ(opened.fields.at("title"), kFirstTitle);
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
  while (Shown().etc != kFirmwareLines && resets < kMaxResets) {
    Press(kReset);
    ++resets;
  }
  ASSERT_LT(resets, kMaxResets) << "the burst never drained";
  // Once drained, a reset's replies come back whole, each with its own command.
  Press(kReset);
  const Display reset = Shown();
  EXPECT_EQ(reset.fields.at("play"), "Stopped");
  EXPECT_EQ(reset.fields.at("path"), kFirstSong);
  EXPECT_EQ(reset.fields.at("title"), kFirstTitle);
  EXPECT_EQ(reset.etc, kFirmwareLines);
  Press({"Speed", 1});
  EXPECT_EQ(Shown().fields.at("speed"), "2x");
  EXPECT_EQ(CloseTonquil(), 0);
}

}  // namespace
}  // namespace tonquil::e2e::fault
