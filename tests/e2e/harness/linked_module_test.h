#pragma once
// The fixture for driving the control panel: the emulated module on COM7 with a state
// file, the program set to that port, and the display read back beside the module's state.
#include <chrono>
#include <cstddef>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "module_display.h"
#include "options_dialog.h"
#include "tonquil_test.h"
#include "utf16_file.h"
#include "wait_until.h"

namespace tonquil::e2e {

class LinkedModuleTest : public TonquilTest {
 protected:
  static constexpr int kCom = 7;

  // A fresh emulated module on the port, in place of any earlier one; faults as the
  // emulator's options name them.
  void LinkModule(const std::vector<std::string>& faults = {}) {
    emulator_.reset();
    std::vector<std::string> args = {"--state", StatePath()};
    args.insert(args.end(), faults.begin(), faults.end());
    emulator_ = std::make_unique<Emulator>(kCom, folder_, args);
  }

  void StartAndOpen() {
    app_.WriteIni(CrLfLines({"[Option]", "ComPort=COM" + std::to_string(kCom)}));
    StartTonquil();
    Press("Open");
  }

  // Clicks a button of the main window; returns once its handler has run.
  void Press(const std::string& caption) {
    if (!driver_.Click(kMainClass, "=" + caption)) {
      throw std::runtime_error("the button " + caption + " cannot be clicked");
    }
  }

  Fields Shown() { return ShownState(DumpMain()); }
  std::vector<std::string> EtcLines() { return ShownEtcLines(DumpMain()); }
  Fields State() const { return ModuleState(StatePath()); }
  std::string StatePath() const { return folder_.File("module.state"); }

  // The reads from the first-th on, once there are at least count of them: the emulator
  // logs a read a moment after the program's write.
  std::vector<std::string> ReadsFrom(size_t first, size_t count) {
    std::vector<std::string> reads;
    WaitUntil(
        [&] {
          reads = emulator_->Reads();
          return reads.size() >= first + count;
        },
        std::chrono::seconds(5));
    if (reads.size() < first) return {};
    return {reads.begin() + static_cast<std::ptrdiff_t>(first), reads.end()};
  }
  // The bytes the module read from the first-th byte on, once there are at least count
  // of them, whatever reads they came in: a busy emulator may take two writes at once.
  std::string BytesFrom(size_t first, size_t count) {
    std::string bytes;
    const auto read_all = [&] {
      bytes.clear();
      for (const std::string& read : emulator_->Reads()) bytes += read;
      return bytes.size() >= first + count;
    };
    WaitUntil(read_all, std::chrono::seconds(5));
    return bytes.size() < first ? std::string() : bytes.substr(first);
  }
};

}  // namespace tonquil::e2e
