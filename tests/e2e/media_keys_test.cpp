// The keyboard's media keys as a remote control: pressed with SendInput by the driver,
// they reach the program as hot keys while it sits in the tray, and as WM_APPCOMMAND
// while its window is active and another program held the key. Every check that a key
// sent nothing ends with a later key or button whose bytes must come next.
#include <gtest/gtest.h>

#include <memory>
#include <thread>
#include <string>
#include <vector>

#include "harness/linked_module_test.h"
#include "harness/options_dialog.h"
#include "harness/utf16_file.h"
#include "harness/wait_until.h"
#include "harness/wine_env.h"

namespace tonquil::e2e {
namespace {


const std::string kMediaKeysCaption = "メディアキーで操作する";
constexpr milliseconds kStateTimeout{10000};
// What an exchange of one command costs at most on a busy machine, to be sure that a
// key which must send nothing has had its chance before the marker is pressed.
constexpr milliseconds kSettle{1500};

class MediaKeys : public LinkedModuleTest {
 protected:
  void Key(const std::string& name) { driver_.Run({"media-key", name}); }

  // Presses the key and gives the bytes the module read after the `done` bytes it had
  // read before, once there are `count` of them.
  std::string KeyBytes(const std::string& name, size_t& done, size_t count) {
    Key(name);
    const std::string bytes = BytesFrom(done, count);
    done += bytes.size();
    return bytes;
  }

  void MinimiseToTheTray() {
    driver_.Run({"minimize", kMainClass});
    const bool hidden = WaitUntil([&] { return !driver_.Rect(kMainClass).Flag("visible"); }, kStateTimeout);
    if (!hidden) throw std::runtime_error("the window did not go to the tray");
  }

  // Whether another program can take the key now: only when this program does not hold it.
  bool KeyIsFree(const std::string& name) {
    const DriverRun run = driver_.Try({"hold-media-key", name, "0"});
    return run.exit_code == 0;
  }

  void SetMediaKeysBox(bool ticked) {
    OpenOptionsDialog(driver_);
    driver_.Run({"check", kOptionClass, kMediaKeysCaption, ticked ? "1" : "0"});
    CloseOptionsDialog(driver_);
  }
};

TEST_F(MediaKeys, InTheTrayEachKeyActsAsItsButtonAndPlayPauseFollowsThePlayState) {
  LinkModule();
  StartAndOpen();
  ASSERT_EQ(BytesFrom(0, kStatusQueryBytes.size()), kStatusQueryBytes);
  MinimiseToTheTray();
  size_t done = kStatusQueryBytes.size();
  EXPECT_EQ(KeyBytes("next", done, 2), "cP");
  EXPECT_EQ(KeyBytes("prev", done, 2), "xP");
  ASSERT_EQ(Shown().at("play"), "Stopped");
  EXPECT_EQ(KeyBytes("play", done, 2), "bP") << "stopped: the play button";
  ASSERT_EQ(Shown().at("play"), "Playing");
  EXPECT_EQ(KeyBytes("play", done, 1), "p") << "playing: the pause button";
  ASSERT_EQ(Shown().at("play"), "Paused");
  EXPECT_EQ(KeyBytes("stop", done, 2), "bP") << "paused: the play button stops";
  ASSERT_EQ(Shown().at("play"), "Stopped");
  Key("stop");
  std::this_thread::sleep_for(kSettle);
  EXPECT_EQ(KeyBytes("next", done, 2), "cP") << "stopped, the stop key sends nothing";
  EXPECT_EQ(Shown(), State());
  EXPECT_FALSE(driver_.Rect(kMainClass).Flag("visible")) << "the keys leave the window in the tray";
  EXPECT_EQ(CloseTonquil(), 0);
}

TEST_F(MediaKeys, HeldOnlyWhileAPortIsOpen) {
  LinkModule();
  app_.WriteIni(CrLfLines({"[Option]", "ComPort=COM7"}));
  StartTonquil();
  EXPECT_TRUE(KeyIsFree("next")) << "no port: other players keep the keys";
  Key("next");
  std::this_thread::sleep_for(kSettle);
  Press("Open");
  EXPECT_EQ(BytesFrom(0, kStatusQueryBytes.size()), kStatusQueryBytes) << "the key sent nothing before";
  for (const char* key : {"next", "prev", "play", "stop"}) EXPECT_FALSE(KeyIsFree(key)) << key;

  Press("Close");
  for (const char* key : {"next", "prev", "play", "stop"}) EXPECT_TRUE(KeyIsFree(key)) << key << " after Close";
  Key("next");
  std::this_thread::sleep_for(kSettle);
  Press("Open");
  EXPECT_EQ(BytesFrom(0, 2 * kStatusQueryBytes.size()), kStatusQueryBytes + kStatusQueryBytes)
      << "nothing between Close and the next Open";
  EXPECT_EQ(CloseTonquil(), 0);
}

TEST_F(MediaKeys, ClearingTheBoxReleasesTheKeysAtOnceAndTickingTakesThemBack) {
  LinkModule();
  StartAndOpen();
  const Record box = OpenOptionsDialog(driver_).WithText(kMediaKeysCaption);
  EXPECT_EQ(box.Number("check"), 1) << "ticked by default";
  CloseOptionsDialog(driver_);

  SetMediaKeysBox(false);
  EXPECT_TRUE(KeyIsFree("next"));
  MinimiseToTheTray();
  Key("next");
  std::this_thread::sleep_for(kSettle);
  // Back from the tray as the shell would restore it, to reach the dialog again.
  driver_.Run({"shell-restore", kMainClass});
  ASSERT_TRUE(WaitUntil([&] { return driver_.Rect(kMainClass).Flag("visible"); }, kStateTimeout));
  SetMediaKeysBox(true);
  EXPECT_FALSE(KeyIsFree("next"));
  size_t done = kStatusQueryBytes.size();
  EXPECT_EQ(KeyBytes("prev", done, 2), "xP") << "nothing came of the key while the box was clear";
  EXPECT_EQ(CloseTonquil(), 0);
}

TEST_F(MediaKeys, AClearedBoxIsSavedAfterTheSixKeysAndReadBackAtTheNextStart) {
  LinkModule();
  StartAndOpen();
  SetMediaKeysBox(false);
  EXPECT_EQ(CloseTonquil(), 0);
  EXPECT_EQ(Utf16FileText(app_.IniBytes()),
            "[Option]\r\nComPort=COM7\r\nX=100\r\nY=100\r\nNoTaskTray=0\r\nNoTaskTrayPopup=0\r\nMSN=0\r\n"
            "MediaKeys=0\r\n\r\n[Main]\r\nX=100\r\nY=100\r\n\r\n");

  StartTonquil();
  EXPECT_EQ(OpenOptionsDialog(driver_).WithText(kMediaKeysCaption).Number("check"), 0);
  CloseOptionsDialog(driver_);
  Press("Open");
  EXPECT_TRUE(KeyIsFree("next")) << "switched off, an open port takes no key";
  EXPECT_EQ(CloseTonquil(), 0);
}

// Long enough for the program to start and open its port while the key is held.
constexpr int kOtherPlayerHoldMs = 15000;

// Another player that holds the key for a while, started before the program.
class OtherPlayer {
 public:
  OtherPlayer(const TempDir& folder, const std::string& key, int hold_ms)
      : output_(folder.File("holder-" + key + ".out")),
        process_(WineCommand(DriverExePath(), {"hold-media-key", key, std::to_string(hold_ms)}), output_) {
    if (!WaitUntil([&] { return Output().find("held") != std::string::npos; }, kStateTimeout)) {
      throw std::runtime_error("the other player could not take the key: " + Output());
    }
  }
  std::string Output() const { return ReadWholeFile(output_); }
  bool WaitReleased() {
    return WaitUntil([&] { return Output().find("released") != std::string::npos; },
                     milliseconds(2 * kOtherPlayerHoldMs));
  }

 private:
  std::string output_;
  ChildProcess process_;
};

TEST_F(MediaKeys, AKeyAnotherPlayerHoldsStaysThereAndWorksOnceThatPlayerLetsGo) {
  LinkModule();
  OtherPlayer other(folder_, "next", kOtherPlayerHoldMs);
  StartAndOpen();
  ASSERT_EQ(BytesFrom(0, kStatusQueryBytes.size()), kStatusQueryBytes);
  ExpectNoMessageBox();  // about the key held elsewhere
  driver_.Run({"activate", kMainClass});
  Key("next");
  ASSERT_TRUE(WaitUntil([&] { return other.Output().find("hotkey") != std::string::npos; }, kStateTimeout))
      << "the other player got the key";
  std::this_thread::sleep_for(kSettle);
  size_t done = kStatusQueryBytes.size();
  EXPECT_EQ(KeyBytes("prev", done, 2), "xP") << "the other keys are the program's";

  ASSERT_TRUE(other.WaitReleased());
  driver_.Run({"activate", kMainClass});
  EXPECT_EQ(KeyBytes("next", done, 2), "cP") << "with its window active, the key is the program's";
  EXPECT_EQ(KeyBytes("play", done, 2), "bP") << "and one press acted once";
  EXPECT_EQ(CloseTonquil(), 0);
}

TEST_F(MediaKeys, WithTheWindowActiveOnePressSendsItsBytesOnce) {
  LinkModule();
  StartAndOpen();
  driver_.Run({"activate", kMainClass});
  size_t done = kStatusQueryBytes.size();
  EXPECT_EQ(KeyBytes("next", done, 2), "cP");
  EXPECT_EQ(KeyBytes("prev", done, 2), "xP") << "no second c or P before the next key's bytes";
  EXPECT_EQ(CloseTonquil(), 0);
}

}  // namespace
}  // namespace tonquil::e2e
