#pragma once
// The fixture of the tests of a misbehaving serial line: the emulated module on COM7 with
// the faults a test asks for, and button presses timed against the program's own pauses.
#include <chrono>
#include <iostream>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "module_display.h"
#include "tonquil_test.h"
#include "utf16_file.h"

namespace tonquil::e2e::fault {

using Clock = std::chrono::steady_clock;

inline constexpr int kCom = 7;
inline constexpr int kPauseMs = 100;
// What a click costs besides the program's own pauses: starting the driver under Wine on
// two busy cores, finding the window, the round trip of the click. A handler that waited
// on a dead line would still go far beyond.
inline constexpr int kClickOverheadMs = 1200;
// Reads that find bytes stretch with the load; those clicks only have to end.
inline constexpr int kBusyClickOverheadMs = 3000;

inline const std::string kFirstSong = "01_Arcade/01_opening.s98";
inline const std::string kFirstTitle = "夜明けのテーマ";

// A button of the control panel and the commands its handler exchanges.
struct Button {
  std::string caption;
  int commands;
};

// What the main window shows: its labels and tag fields under the emulator's state-file
// keys, and the lines of M_Etc.
struct Display {
  Fields fields;
  std::vector<std::string> etc;

  bool operator==(const Display& other) const { return fields == other.fields && etc == other.etc; }
};

inline std::ostream& operator<<(std::ostream& out, const Display& display) {
  for (const auto& [key, text] : display.fields) out << key << "=\"" << text << "\" ";
  out << "etc=[";
  for (const std::string& line : display.etc) out << "\"" << line << "\" ";
  return out << "]";
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
    const int limit_ms = replies ? 2 * pauses_ms + kBusyClickOverheadMs : pauses_ms + kClickOverheadMs;
    const auto start = Clock::now();
    ASSERT_TRUE(driver_.Click(kMainClass, "=" + button.caption)) << button.caption;
    const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
    std::cout << "[ timing   ] " << button.caption << ": " << took << " ms\n";
    EXPECT_LE(took, limit_ms) << button.caption;
  }

  Display Shown() {
    const WindowDump main = DumpMain();
    return {ShownState(main), ShownEtcLines(main)};
  }
};

}  // namespace tonquil::e2e::fault
