#pragma once
// The options dialog, shown modally from the main window's settings button.
#include <stdexcept>

#include "driver.h"
#include "tonquil_app.h"

namespace tonquil::e2e {

inline constexpr int kOptionsDialogTimeoutMs = 10000;

// Posted, since the button returns only when the dialog closes.
inline WindowDump OpenOptionsDialog(Driver& driver) {
  if (!driver.PostClick(kMainClass, "設定")) throw std::runtime_error("the settings button cannot be clicked");
  if (!driver.WaitWindow(kOptionClass, "visible", kOptionsDialogTimeoutMs)) {
    throw std::runtime_error("the options dialog did not show");
  }
  return driver.Dump(kOptionClass);
}

inline void CloseOptionsDialog(Driver& driver) {
  if (!driver.PostClick(kOptionClass, "閉じる") || !driver.WaitWindow(kOptionClass, "hidden", kOptionsDialogTimeoutMs)) {
    throw std::runtime_error("the options dialog did not close");
  }
}

}  // namespace tonquil::e2e
