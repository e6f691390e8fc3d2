#include "tonquil_test.h"

#include <iostream>
#include <stdexcept>
#include <thread>

#include "options_dialog.h"

namespace tonquil::e2e {
namespace {

constexpr int kShowTimeoutMs = 20000;
constexpr milliseconds kExitTimeout{15000};

}  // namespace

TonquilTest::TonquilTest() : app_(folder_) {}

void EndRun(TonquilRun& run) {
  run.Kill();
  const std::string crash = run.CrashReport();
  if (!crash.empty()) ADD_FAILURE() << "Tonquil.exe crashed: " << crash;
  if (::testing::Test::HasFailure()) std::cerr << "--- Tonquil.exe output ---\n" << run.Log() << "\n";
}

void TonquilTest::TearDown() {
  for (auto& run : app_.runs()) EndRun(*run);
  emulator_.reset();
  if (HasFailure()) folder_.Keep();
}

TonquilRun& TonquilTest::StartTonquil() {
  TonquilRun& run = app_.Launch();
  main_run_ = &run;
  if (!driver_.WaitWindow(kMainClass, "visible", kShowTimeoutMs)) {
    throw std::runtime_error("the main window did not show within 20 s; output: " + run.Log());
  }
  return run;
}

int TonquilTest::CloseTonquil() {
  if (main_run_ == nullptr) throw std::runtime_error("CloseTonquil before StartTonquil");
  TonquilRun& run = *main_run_;
  driver_.Run({"close", kMainClass});
  const std::optional<int> exit_code = run.WaitExit(kExitTimeout);
  if (!exit_code) throw std::runtime_error("Tonquil.exe did not end within 15 s of its close");
  return *exit_code;
}

Emulator& TonquilTest::LinkEmulator(int com_number) {
  emulator_ = std::make_unique<Emulator>(com_number, folder_);
  return *emulator_;
}

bool TonquilTest::WaitForField(const std::string& window_class, const std::string& kind, int x,
                               int y, const std::string& field, const std::string& wanted) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (driver_.Dump(window_class).At(kind, x, y).Text(field) != wanted) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(milliseconds(100));
  }
  return true;
}

void TonquilTest::ExpectPortOpen(bool open) {
  const WindowDump main = DumpMain();
  EXPECT_EQ(main.At("button", 8, 8).Flag("effective"), !open) << "Open";
  EXPECT_EQ(main.At("button", 376, 8).Flag("effective"), open) << "Close";
}

void TonquilTest::ExpectNoMessageBox() {
  OpenOptionsDialog(driver_);
  EXPECT_EQ(driver_.Try({"msgbox", "0"}).exit_code, 2) << "no message box";
  CloseOptionsDialog(driver_);
}

}  // namespace tonquil::e2e
