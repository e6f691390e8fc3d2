// Opening and closing the serial port from the main window, against the emulated module.
#include <gtest/gtest.h>

#include <thread>

#include "harness/options_dialog.h"
#include "harness/tonquil_test.h"
#include "harness/utf16_file.h"

namespace tonquil::e2e {
namespace {

// The ten command buttons inside the control panel, by their top-left corner.
const std::vector<std::pair<int, int>> kCommandButtons = {
    {24, 64}, {104, 64}, {184, 64}, {24, 112}, {184, 112},
    {272, 64}, {272, 96}, {272, 128}, {272, 160}, {272, 192}};

class PortLink : public TonquilTest {
 protected:
  void StartWithPort(const std::string& port_line) {
    app_.WriteIni(CrLfLines({"[Option]", port_line}));
    StartTonquil();
  }
  // B_Open, B_Close and the control panel as the user can use them.
  void ExpectPortState(bool open) {
    const WindowDump dump = DumpMain();
    EXPECT_EQ(dump.At("button", 8, 8).Flag("effective"), !open) << "Open";
    EXPECT_EQ(dump.At("button", 376, 8).Flag("effective"), open) << "Close";
    EXPECT_EQ(dump.At("group", 8, 40).Flag("enabled"), open) << "Control";
    for (const auto& [x, y] : kCommandButtons) {
      EXPECT_EQ(dump.At("button", x, y).Flag("effective"), open) << "button at " << x << ", " << y;
    }
  }
  // The emulator logs each read once it has made it; give the last ones a moment.
  std::vector<std::string> ReadsOnceThereAre(size_t count) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (emulator_->Reads().size() < count && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(milliseconds(50));
    }
    return emulator_->Reads();
  }
  // The wineserver lets go of a closed port's terminal a moment after the close.
  bool TerminalReleased() {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!emulator_->OtherHolders().empty()) {
      if (std::chrono::steady_clock::now() >= deadline) return false;
      std::this_thread::sleep_for(milliseconds(50));
    }
    return true;
  }
};

TEST_F(PortLink, OpenEnablesTheControlPanelAndCloseDisablesItAgain) {
  LinkEmulator(7);
  StartWithPort("ComPort=COM7");
  ExpectPortState(false);

  ASSERT_TRUE(driver_.Click(kMainClass, "Open"));
  ExpectPortState(true);
  EXPECT_FALSE(emulator_->OtherHolders().empty()) << "the port's terminal is open";

  ASSERT_TRUE(driver_.Click(kMainClass, "Close"));
  ExpectPortState(false);
  EXPECT_TRUE(TerminalReleased());
  EXPECT_EQ(CloseTonquil(), 0);
}

TEST_F(PortLink, OpenAsksForTheStatusOneCommandByteAWrite) {
  LinkEmulator(7);
  StartWithPort("ComPort=COM7");
  ASSERT_TRUE(driver_.Click(kMainClass, "Open"));
  const std::vector<std::string> expected = {"S", "R", "L", "P", "t", "T", "@"};
  EXPECT_EQ(ReadsOnceThereAre(expected.size()), expected);
  EXPECT_EQ(CloseTonquil(), 0);
}

TEST_F(PortLink, PortsFromCom10UpOpen) {
  LinkEmulator(12);
  StartWithPort("ComPort=COM12");
  ASSERT_TRUE(driver_.Click(kMainClass, "Open"));
  ExpectPortState(true);
  EXPECT_FALSE(ReadsOnceThereAre(1).empty());
  EXPECT_EQ(CloseTonquil(), 0);
}

TEST_F(PortLink, ClosingTheWindowWhileOpenReleasesThePortAndSaves) {
  LinkEmulator(7);
  StartWithPort("ComPort=COM7");
  ASSERT_TRUE(driver_.Click(kMainClass, "Open"));
  EXPECT_EQ(CloseTonquil(), 0);
  EXPECT_TRUE(TerminalReleased());
  const std::string saved = Utf16FileText(app_.IniBytes());
  EXPECT_NE(saved.find(CrLfLines({"[Main]", "X=100", "Y=100"})), std::string::npos) << saved;
  EXPECT_NE(saved.find("\r\nComPort=COM7\r\n"), std::string::npos) << saved;

  StartTonquil();
  ASSERT_TRUE(driver_.Click(kMainClass, "Open"));
  ExpectPortState(true);
  EXPECT_EQ(CloseTonquil(), 0);
}

struct UnusablePort {
  const char* name;
  const char* port_line;
  bool emulator_on_com7;
};

class PortLinkFailure : public PortLink, public ::testing::WithParamInterface<UnusablePort> {};

TEST_P(PortLinkFailure, OpenChangesNothingAndSaysNothing) {
  if (GetParam().emulator_on_com7) LinkEmulator(7);
  StartWithPort(GetParam().port_line);
  EXPECT_TRUE(driver_.Click(kMainClass, "Open"));
  ExpectPortState(false);
  // The options dialog, opened by a click posted after Open, marks that everything
  // before it has been handled.
  OpenOptionsDialog(driver_);
  EXPECT_EQ(driver_.Try({"msgbox", "0"}).exit_code, 2) << "no message box";
  CloseOptionsDialog(driver_);
  if (emulator_) {
    EXPECT_TRUE(emulator_->Reads().empty());
  }
  EXPECT_EQ(CloseTonquil(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Ports, PortLinkFailure,
    ::testing::Values(UnusablePort{"NothingLinked", "ComPort=COM9", false},
                      UnusablePort{"NoItemSelected", "ComPort=com7", true}),
    [](const ::testing::TestParamInfo<UnusablePort>& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace tonquil::e2e
