// The module unplugged under an open port and plugged in again: the program keeps the
// port open on screen, and the next command the user gives opens it again by its name,
// sends the command and asks for the whole status, without Close or Open.
#include <gtest/gtest.h>

#include <chrono>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

#include "harness/linked_module_test.h"
#include "harness/wait_until.h"

namespace tonquil::e2e {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kPauseMs = 100;
// Starting the driver under Wine on two busy cores, finding the window and the click's
// round trip. A handler that waited on the dead line would go far beyond.
constexpr int kClickOverheadMs = 1200;
// Time enough for a key press on a dead line to be handled.
constexpr milliseconds kKeySettle{1500};

class Reconnect : public LinkedModuleTest {
 protected:
  // A click on a dead line: it must return within the pauses after its writes.
  void PressUnplugged(const std::string& caption, int commands) {
    const auto start = Clock::now();
    Press(caption);
    const auto took = std::chrono::duration_cast<milliseconds>(Clock::now() - start).count();
    std::cout << "[ timing   ] " << caption << " unplugged: " << took << " ms\n";
    EXPECT_LE(took, commands * kPauseMs + kClickOverheadMs) << caption;
  }

  // Open, then the speed away from a fresh module's, so that only a status refresh can
  // make the display true again for a module that starts afresh. Loop is pressed after
  // Speed so that a late reply to Speed is shown all the same.
  void OpenAndChangeTheSpeed() {
    LinkModule();
    StartAndOpen();
    ASSERT_EQ(BytesFrom(0, kStatusQueryBytes.size()), kStatusQueryBytes);
    for (const char* caption : {"Speed", "Loop"}) Press(caption);
    ASSERT_EQ(Shown().at("speed"), State().at("speed"));
  }
};

TEST_F(Reconnect, TheFirstButtonAfterTheModuleIsBackSendsAndRefreshesWithoutCloseOrOpen) {
  OpenAndChangeTheSpeed();
  const Fields before = Shown();
  emulator_->Unplug();

  PressUnplugged(">|", 2);
  EXPECT_EQ(Shown(), before) << "nothing received, nothing changed";
  ExpectPortOpen(true);
  ExpectNoMessageBox();

  LinkModule();  // plugged in again: the same port name, a module that starts afresh
  ASSERT_NE(State().at("speed"), before.at("speed"));
  Press("Dir+");
  EXPECT_EQ(BytesFrom(0, 2 + kStatusQueryBytes.size()), "vP" + kStatusQueryBytes)
      << "the press while unplugged sent nothing; this one sends its bytes, then the queries";
  EXPECT_EQ(Shown(), State());
  EXPECT_EQ(EtcLines(), kFirmwareLines);
  ExpectPortOpen(true);

  Press("|<");
  EXPECT_EQ(BytesFrom(2 + kStatusQueryBytes.size(), 2), "xP") << "back to one command, no refresh";
  EXPECT_EQ(CloseTonquil(), 0);
}

TEST_F(Reconnect, StillUnpluggedEveryButtonReturnsInItsPausesAndCloseWorks) {
  OpenAndChangeTheSpeed();
  const Fields before = Shown();
  emulator_->Unplug();
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round);
    for (const char* caption : {">|", "|<", "Play/Stop", "Dir-", "Dir+"}) PressUnplugged(caption, 2);
    for (const char* caption : {"Pause", "Speed", "Loop", "Repeat"}) PressUnplugged(caption, 1);
  }
  EXPECT_EQ(Shown(), before);
  ExpectPortOpen(true);
  Press("Close");
  ExpectPortOpen(false);
  ExpectNoMessageBox();

  LinkModule();
  Press("Open");
  EXPECT_EQ(BytesFrom(0, kStatusQueryBytes.size()), kStatusQueryBytes) << "a closed port is opened by Open alone";
  EXPECT_EQ(CloseTonquil(), 0);
}

TEST_F(Reconnect, AMediaKeyInTheTrayBringsThePortBackAndTheCloseAfterALossEndsCleanly) {
  OpenAndChangeTheSpeed();
  driver_.Run({"minimize", kMainClass});
  ASSERT_TRUE(WaitUntil([&] { return !driver_.Rect(kMainClass).Flag("visible"); }, milliseconds(10000)));
  emulator_->Unplug();
  driver_.Run({"media-key", "next"});
  // The key is handled in the program's own time; it must have found the line dead.
  std::this_thread::sleep_for(kKeySettle);
  LinkModule();
  driver_.Run({"media-key", "prev"});
  EXPECT_EQ(BytesFrom(0, 2 + kStatusQueryBytes.size()), "xP" + kStatusQueryBytes);
  EXPECT_EQ(Shown(), State());

  emulator_->Unplug();
  driver_.Run({"media-key", "next"});
  std::this_thread::sleep_for(kKeySettle);
  EXPECT_EQ(CloseTonquil(), 0) << "the window's close with the port lost";
}

}  // namespace
}  // namespace tonquil::e2e
