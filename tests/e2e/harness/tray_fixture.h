#pragma once
// The fixture of the tray tests: a run of the program with its icon read from Wine's
// standalone tray window, clicked with posted mouse messages and its menu driven with keys.
#include <gtest/gtest.h>

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

#include "tonquil_test.h"
#include "utf16_file.h"
#include "wait_until.h"

namespace tonquil::e2e {

inline constexpr milliseconds kTrayStateTimeout{10000};
inline constexpr int kMenuTimeoutMs = 10000;
inline constexpr int kBalloonShownMs = 8000;     // Wine shows a balloon about 2 s after the request
inline constexpr long long kInformationIcon = 1;  // NIIF_INFO
inline const std::vector<std::string> kTrayStatusQueries = {"S", "R", "L", "P", "t", "T", "@"};

using Keys = std::vector<std::string>;

// The keys that choose an item of the tray menu, from the menu as it opens.
inline const Keys kChooseShow = {"down", "enter"};
inline const Keys kChooseExit = {"down", "down", "down", "enter"};
inline Keys ChooseControlItem(int downs_in_submenu) {
  Keys keys = {"down", "down", "right"};
  keys.insert(keys.end(), static_cast<size_t>(downs_in_submenu), "down");
  keys.push_back("enter");
  return keys;
}

class Tray : public TonquilTest {
 protected:
  void StartWithSettings(std::initializer_list<std::string> lines) {
    app_.WriteIni(CrLfLines(lines));
    StartTonquil();
    tonquil_pid_ = DumpMain().window.Number("pid");
  }

  // The icons of this run of the program, in the tray's order.
  std::vector<Record> OurIcons() {
    std::vector<Record> ours;
    for (const Record& icon : driver_.Run({"tray"})) {
      if (icon.Number("owner_pid") == tonquil_pid_) ours.push_back(icon);
    }
    return ours;
  }
  bool WaitIconCount(size_t count) {
    return WaitUntil([&] { return OurIcons().size() == count; }, kTrayStateTimeout);
  }
  Record OurIcon() {
    const std::vector<Record> icons = OurIcons();
    if (icons.size() != 1) throw std::runtime_error(std::to_string(icons.size()) + " tray icons, not one");
    return icons.front();
  }
  // The index among all icons, which tray-post takes.
  std::string OurIconIndex() {
    const std::vector<Record> all = driver_.Run({"tray"});
    for (size_t i = 0; i < all.size(); ++i) {
      if (all[i].Number("owner_pid") == tonquil_pid_) return std::to_string(i);
    }
    throw std::runtime_error("the program has no tray icon");
  }
  void PostToIcon(const std::string& mouse_message) {
    driver_.Run({"tray-post", mouse_message, OurIconIndex()});
  }

  Record MainState() { return driver_.Rect(kMainClass); }
  bool WaitMainState(bool visible, bool minimized) {
    return WaitUntil(
        [&] {
          const Record state = MainState();
          return state.Flag("visible") == visible && state.Flag("minimized") == minimized;
        },
        kTrayStateTimeout);
  }
  // Visible, minimised and without an icon: the icon would have been added in the same
  // handler that hides the window.
  void ExpectMinimisedOnTheTaskBar() {
    EXPECT_TRUE(WaitUntil([&] { return MainState().Flag("minimized"); }, kTrayStateTimeout));
    const Record state = MainState();
    EXPECT_TRUE(state.Flag("visible")) << state.line();
    EXPECT_TRUE(OurIcons().empty());
  }
  void MinimiseToTheTray() {
    driver_.Run({"minimize", kMainClass});
    if (!WaitMainState(false, true)) throw std::runtime_error("not hidden after the minimise: " + MainState().line());
    if (!WaitIconCount(1)) throw std::runtime_error("no tray icon after the minimise");
  }
  // A start, then to the tray and back once: the window is shown and the icon's window
  // exists, with no icon.
  void StartAndComeBackFromTheTray() {
    StartWithSettings({"[Main]", "X=150", "Y=120"});
    MinimiseToTheTray();
    PostToIcon("lbuttondblclk");
    if (!WaitMainState(true, false)) throw std::runtime_error("not back from the tray: " + MainState().line());
  }

  std::vector<Record> OpenTrayMenu() {
    PostToIcon("rbuttonup");
    std::vector<Record> records = driver_.Run({"menu", std::to_string(kMenuTimeoutMs)});
    records.erase(records.begin());  // the menu window itself
    return records;
  }
  void ChooseFromTrayMenu(const Keys& keys) {
    OpenTrayMenu();
    std::vector<std::string> args = {"menu-key"};
    args.insert(args.end(), keys.begin(), keys.end());
    driver_.Run(args);
  }

  // The bytes the module read after the status queries of Open.
  std::vector<std::string> ReadsAfterOpen(size_t count) {
    const size_t total = kTrayStatusQueries.size() + count;
    WaitUntil([&] { return emulator_->Reads().size() >= total; }, kTrayStateTimeout);
    const std::vector<std::string> reads = emulator_->Reads();
    if (reads.size() < kTrayStatusQueries.size()) return reads;
    return std::vector<std::string>(reads.begin() + static_cast<long>(kTrayStatusQueries.size()), reads.end());
  }
  void OpenPort() {
    const bool asked = driver_.Click(kMainClass, "Open") &&
                       WaitUntil([&] { return emulator_->Reads().size() >= kTrayStatusQueries.size(); }, kTrayStateTimeout);
    if (!asked) throw std::runtime_error("Open did not ask the module for its status");
  }

  long long tonquil_pid_ = 0;
};

}  // namespace tonquil::e2e
