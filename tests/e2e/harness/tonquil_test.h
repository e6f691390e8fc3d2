#pragma once
// The fixture of every end-to-end test: a folder with its own copy of Tonquil.exe, the
// driver, and optionally the emulated module on a COM port. Tear-down ends every process
// the test started and fails the test when a run of the program crashed.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "driver.h"
#include "emulator.h"
#include "temp_dir.h"
#include "tonquil_app.h"

namespace tonquil::e2e {

// Ends a run of the program: fails the test when the run crashed, and shows the run's
// output when the test has failed.
void EndRun(TonquilRun& run);

class TonquilTest : public ::testing::Test {
 protected:
  TonquilTest();
  void TearDown() override;

  // Starts the program and waits until its main window is shown; fails otherwise.
  TonquilRun& StartTonquil();
  // Closes the main window as its close box does; the program's exit code.
  int CloseTonquil();
  WindowDump DumpMain() { return driver_.Dump(kMainClass); }
  // Open disabled and Close enabled while the main window shows a port open.
  void ExpectPortOpen(bool open);
  // The options dialog, opened by a click posted after everything the program was
  // given, marks that all of it has been handled: no message box came before it.
  void ExpectNoMessageBox();
  Emulator& LinkEmulator(int com_number);
  // Waits until the dump's control at x, y reports the field with the wanted value,
  // for state that the program changes after a posted click.
  bool WaitForField(const std::string& window_class, const std::string& kind, int x, int y,
                    const std::string& field, const std::string& wanted);

  TempDir folder_;
  Driver driver_;
  std::unique_ptr<Emulator> emulator_;  // outlives the program, which holds its port
  TonquilApp app_;

 private:
  TonquilRun* main_run_ = nullptr;  // the run whose main window the test drives
};

}  // namespace tonquil::e2e
