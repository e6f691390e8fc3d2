// The program killed inside its exit's saves: what the settings file holds then.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "harness/open_gate.h"
#include "harness/settings_texts.h"
#include "harness/tonquil_test.h"
#include "harness/utf16_file.h"

namespace tonquil::e2e {
namespace {

// Killed inside its exit's saves, at each opening of the settings file or its temporary
// file in turn, the program leaves the old file or the file as its first save step
// wrote it, whole: never a cut-off or empty one, and at most one temporary beside it.
// Each opening is held until the program is dead, so the kill lands at that very point.
class KilledWhileSaving : public TonquilTest {
 protected:
  static constexpr int kOldX = 300;
  static constexpr int kOldY = 200;

  // Before the exit: "Option" knows only the port. After the first step "Main" has the
  // new place; after the second "Option" has all its keys.
  static std::string Before() {
    return Utf16FileBytes(MainText(kOldX, kOldY) + PortOnly() + Tail());
  }
  static std::string AfterMain(int x, int y) {
    return Utf16FileBytes(MainText(x, y) + PortOnly() + Tail());
  }
  static std::string AfterBoth(int x, int y) {
    return Utf16FileBytes(MainText(x, y) +
                          CrLfLines({"[Option]", "ComPort=COM1", "X=100", "Y=100", "NoTaskTray=0",
                                     "NoTaskTrayPopup=0", "MSN=0", ""}) +
                          Tail());
  }
  static std::string PortOnly() { return CrLfLines({"[Option]", "ComPort=COM1", ""}); }
  static const std::string& Tail() {
    static const std::string tail = Sections(10000);
    return tail;
  }

  std::vector<std::string> TemporaryFiles() {
    std::vector<std::string> found;
    for (const std::string& name : NamesIn(folder_.path())) {
      if (name.rfind("Tonquil.ini.", 0) == 0) found.push_back(name);
    }
    return found;
  }

  // Starts on the old file, moves the window, arms the gate and closes the window.
  TonquilRun& StartMoveAndClose(OpenGate& gate, int x, int kill_at) {
    gate.Arm(0, nullptr);  // the start-up's openings count for nothing
    WriteWholeFile(app_.IniPath(), Before());
    TonquilRun& run = StartTonquil();
    driver_.Run({"move", kMainClass, std::to_string(x), "250"});
    gate.Arm(kill_at, [&run] {
      run.Kill();
      run.WaitExit(milliseconds(10000));
    });
    driver_.Run({"close", kMainClass});
    return run;
  }
};

TEST_F(KilledWhileSaving, FileIsAlwaysWholeOldOrFirstStepSaved) {
  OpenGate gate(folder_.path(), "Tonquil.ini");
  if (!gate.available()) GTEST_SKIP() << "fanotify is not available here (it needs root outside a container)";

  // A run left alone: the openings of its exit, and the file both steps make.
  TonquilRun& whole = StartMoveAndClose(gate, 400, 0);
  ASSERT_EQ(whole.WaitExit(milliseconds(30000)), 0);
  const std::vector<std::string> openings = gate.Opened();  // before the test reads the file
  ASSERT_EQ(app_.IniBytes(), AfterBoth(400, 250));
  ASSERT_GE(openings.size(), 4u) << "two saves, each reading the file and writing a temporary";
  std::cout << "[ openings ]";
  for (const std::string& name : openings) std::cout << " " << name;
  std::cout << "\n";

  std::vector<std::string> outcomes;
  for (size_t i = 1; i <= openings.size(); ++i) {
    SCOPED_TRACE("killed at opening " + std::to_string(i) + " (" + openings[i - 1] + ")");
    const int x = 400 + static_cast<int>(i);
    StartMoveAndClose(gate, x, static_cast<int>(i));
    // The next start must not meet this run's window or single-instance guard.
    ASSERT_TRUE(driver_.WaitWindow(kMainClass, "gone", 10000));
    EXPECT_EQ(gate.Opened(), std::vector<std::string>(openings.begin(), openings.begin() + static_cast<long>(i)))
        << "the run was killed at that opening, and it opened nothing more";
    const std::string bytes = app_.IniBytes();
    if (bytes == Before()) {
      outcomes.push_back("old");
    } else if (bytes == AfterMain(x, 250)) {
      outcomes.push_back("Main");
    } else {
      ADD_FAILURE() << "the file is neither the old one nor the first step's, " << bytes.size() << " bytes";
      outcomes.push_back("?");
    }
    const std::vector<std::string> temporaries = TemporaryFiles();
    EXPECT_LE(temporaries.size(), 1u);
    for (const std::string& name : temporaries) std::filesystem::remove(folder_.File(name));
  }
  // The first opening comes before any write; the last one belongs to the second step,
  // after the first one's file took its place.
  EXPECT_EQ(outcomes.front(), "old");
  EXPECT_EQ(outcomes.back(), "Main");
  EXPECT_TRUE(std::is_sorted(outcomes.begin(), outcomes.end(), [](const std::string& a, const std::string& b) {
    return a == "old" && b == "Main";
  })) << "once saved, the first step's file stays";
}

}  // namespace
}  // namespace tonquil::e2e
