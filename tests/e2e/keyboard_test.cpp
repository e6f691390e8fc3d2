// Both windows and the tray icon from the keyboard alone: key presses go into the
// session's input as a keyboard's do (SendInput from the driver), and the focus is read
// back from the program's thread.
#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "harness/module_display.h"
#include "harness/options_dialog.h"
#include "harness/tonquil_test.h"
#include "harness/utf16_file.h"
#include "harness/wait_until.h"

namespace tonquil::e2e {
namespace {

constexpr milliseconds kStateTimeout{10000};

using Place = std::pair<int, int>;  // a control's top-left corner in the client area

// The tag fields and the memos in their tab order.
const std::vector<Place> kTagFieldsAndMemos = {
    {72, 440}, {72, 392}, {72, 344}, {72, 296}, {72, 464}, {72, 488},  // Copyright .. System
    {72, 320}, {72, 368}, {72, 416},                                   // Artist Year Comment
    {280, 280}, {456, 8},                                              // M_Etc, M_Debug
};
const std::vector<Place> kControlPanel = {
    {24, 64}, {104, 64}, {184, 64}, {24, 112}, {184, 112},      // |< Play >| Dir- Dir+
    {272, 64}, {272, 96}, {272, 128}, {272, 160}, {272, 192},  // Pause .. Reset
};
const Place kOpen{8, 8}, kOption{80, 8}, kClose{376, 8}, kEtc{280, 280}, kDebug{456, 8};

// The options dialog's controls that take the focus, in tab order.
const std::vector<Place> kOptionOrder = {{8, 26}, {80, 26}, {8, 64}, {8, 80}, {8, 96}, {8, 112}, {104, 128}};

class Keyboard : public TonquilTest {
 protected:
  Record Focus(const std::string& window_class = kMainClass) {
    return driver_.Run({"focus", window_class}).at(0);
  }
  static std::optional<Place> PlaceOf(const Record& focus) {
    if (!focus.Has("rect")) return std::nullopt;
    const Rect rect = focus.RectOf("rect");
    return Place{rect.x, rect.y};
  }
  bool WaitFocus(const Place& place, const std::string& window_class = kMainClass) {
    return WaitUntil([&] { return PlaceOf(Focus(window_class)) == place; }, kStateTimeout);
  }
  void Press(const std::string& window_class, const std::vector<std::string>& chords) {
    std::vector<std::string> args = {"keys", window_class};
    args.insert(args.end(), chords.begin(), chords.end());
    driver_.Run(args);
  }
  // Presses the chord once per expected place and checks that the focus gets there.
  void Walk(const std::string& window_class, const std::string& chord, const std::vector<Place>& places) {
    for (const Place& place : places) {
      Press(window_class, {chord});
      EXPECT_TRUE(WaitFocus(place, window_class))
          << chord << " should reach " << place.first << ", " << place.second << "; focus is "
          << Focus(window_class).line();
    }
  }
  std::vector<Place> Reversed(std::vector<Place> places) { return {places.rbegin(), places.rend()}; }

  const Record& ControlAt(const WindowDump& dump, const Place& place) { return dump.AtAny(place.first, place.second); }

  bool WaitReads(size_t count) {
    return WaitUntil([&] { return emulator_->Reads().size() >= count; }, kStateTimeout);
  }
  std::vector<std::string> ReadsAfter(size_t first) {
    const std::vector<std::string> reads = emulator_->Reads();
    return {reads.begin() + static_cast<long>(std::min(first, reads.size())), reads.end()};
  }
};

TEST_F(Keyboard, TabWalksTheEnabledControlsInTabOrderAndLeavesTheMemos) {
  StartTonquil();
  ASSERT_TRUE(WaitFocus(kOpen)) << "the first control has the focus at the start";
  // With no port open, Close and the control panel are disabled and skipped.
  std::vector<Place> forward = {kOption};
  forward.insert(forward.end(), kTagFieldsAndMemos.begin(), kTagFieldsAndMemos.end());
  forward.push_back(kOpen);
  Walk(kMainClass, "tab", forward);
  // Backwards, through the memos: out of M_Etc as out of any other control.
  Walk(kMainClass, "shift+tab", {kDebug, kEtc, {72, 416}, {72, 368}});
  EXPECT_EQ(CloseTonquil(), 0);
}

TEST_F(Keyboard, TabInTheMemoMovesOnWithoutTypingATab) {
  StartTonquil();
  ASSERT_TRUE(WaitFocus(kOpen));
  Press(kMainClass, {"shift+tab", "shift+tab"});
  ASSERT_TRUE(WaitFocus(kEtc)) << Focus().line();
  Press(kMainClass, {"a", "tab"});
  ASSERT_TRUE(WaitFocus(kDebug)) << "Tab leaves M_Etc: " << Focus().line();
  EXPECT_EQ(ControlAt(DumpMain(), kEtc).Text("text"), "a") << "the letter typed, no tab after it";
  EXPECT_EQ(CloseTonquil(), 0);
}

TEST_F(Keyboard, EnterAndSpacePressTheFocusedButtonAndTabReachesTheControlPanel) {
  LinkEmulator(7);
  app_.WriteIni(CrLfLines({"[Option]", "ComPort=COM7"}));
  StartTonquil();
  ASSERT_TRUE(WaitFocus(kOpen));
  Press(kMainClass, {"return"});  // Open
  ASSERT_TRUE(WaitReads(kStatusQueries.size())) << "Enter on Open opens the port";
  EXPECT_EQ(emulator_->Reads(), kStatusQueries);
  // Open is disabled now: the focus has moved on to the next control.
  ASSERT_TRUE(WaitFocus(kOption)) << Focus().line();
  std::vector<Place> forward = {kClose};
  forward.insert(forward.end(), kControlPanel.begin(), kControlPanel.end());
  forward.push_back(kTagFieldsAndMemos.front());
  Walk(kMainClass, "tab", forward);
  Walk(kMainClass, "shift+tab", {kControlPanel.back(), kControlPanel[8]});  // Reset, Repeat
  const size_t before = emulator_->Reads().size();
  Press(kMainClass, {"space"});  // Repeat
  Walk(kMainClass, "shift+tab", {kControlPanel[7]});  // Loop
  Press(kMainClass, {"return"});
  ASSERT_TRUE(WaitReads(before + 2));
  EXPECT_EQ(ReadsAfter(before), (std::vector<std::string>{"r", "l"}));
  EXPECT_EQ(CloseTonquil(), 0);
}

TEST_F(Keyboard, OptionsDialogFromTheKeyboardAndEscClosesItKeepingTheChanges) {
  app_.WriteIni(CrLfLines({"[Option]", "ComPort=COM1"}));
  StartTonquil();
  ASSERT_TRUE(WaitFocus(kOpen));
  Press(kMainClass, {"tab", "return"});  // 設定
  ASSERT_TRUE(driver_.WaitWindow(kOptionClass, "visible", 10000)) << "Enter on 設定 opens the dialog";
  ASSERT_TRUE(WaitFocus(kOptionOrder.front(), kOptionClass)) << "CB_COM has the focus first";
  Press(kOptionClass, {"down", "down"});
  EXPECT_TRUE(WaitUntil([&] { return driver_.Dump(kOptionClass).At("combo", 8, 26).Text("text") == "COM3"; },
                        kStateTimeout))
      << "the arrow keys change the port";
  Walk(kOptionClass, "tab", {kOptionOrder.begin() + 1, kOptionOrder.end()});
  Walk(kOptionClass, "tab", {kOptionOrder.front()});
  Walk(kOptionClass, "shift+tab", Reversed({kOptionOrder.begin() + 2, kOptionOrder.end()}));
  ASSERT_TRUE(WaitFocus({8, 64}, kOptionClass));
  Press(kOptionClass, {"space"});  // C_NoTaskTray
  EXPECT_TRUE(
      WaitUntil([&] { return driver_.Dump(kOptionClass).At("check", 8, 64).Number("check") == 1; }, kStateTimeout))
      << "Space ticks the focused check box";
  Press(kOptionClass, {"escape"});
  EXPECT_TRUE(driver_.WaitWindow(kOptionClass, "hidden", 10000)) << "Esc closes the dialog";
  EXPECT_TRUE(DumpMain().window.Flag("enabled")) << "and the main window is usable again";
  EXPECT_EQ(CloseTonquil(), 0);
  const std::string ini = Utf16FileText(app_.IniBytes());
  EXPECT_NE(ini.find("ComPort=COM3"), std::string::npos) << ini;
  EXPECT_NE(ini.find("NoTaskTray=1"), std::string::npos) << ini;
}

TEST_F(Keyboard, AltF4OnTheMainWindowRunsTheCloseWork) {
  app_.WriteIni(CrLfLines({"[Main]", "X=140", "Y=130"}));
  TonquilRun& run = StartTonquil();
  Press(kMainClass, {"alt+f4"});
  const std::optional<int> exit_code = run.WaitExit(milliseconds(15000));
  ASSERT_TRUE(exit_code.has_value()) << "Alt+F4 ends the program";
  EXPECT_EQ(*exit_code, 0);
  const std::string ini = Utf16FileText(app_.IniBytes());
  EXPECT_NE(ini.find("[Option]"), std::string::npos) << "the options were saved: " << ini;
  EXPECT_NE(ini.find("X=140"), std::string::npos) << ini;
}

// Wine has no keyboard focus in its tray; the driver tells the program what the shell
// tells it for Enter or Space on the focused icon and for Shift+F10 or the menu key.
class TrayKeyboard : public Keyboard {
 protected:
  void StartInTheTray() {
    LinkEmulator(7);
    app_.WriteIni(CrLfLines({"[Option]", "ComPort=COM7"}));
    StartTonquil();
    pid_ = DumpMain().window.Number("pid");
    ASSERT_TRUE(driver_.Click(kMainClass, "Open") && WaitReads(kStatusQueries.size()));
    driver_.Run({"minimize", kMainClass});
    ASSERT_TRUE(WaitUntil([&] { return IconIndex().has_value(); }, kStateTimeout)) << "no tray icon";
  }
  std::optional<size_t> IconIndex() {
    const std::vector<Record> icons = driver_.Run({"tray"});
    for (size_t i = 0; i < icons.size(); ++i) {
      if (icons[i].Number("owner_pid") == pid_) return i;
    }
    return std::nullopt;
  }
  Record Icon() { return driver_.Run({"tray"}).at(IconIndex().value()); }
  void TrayKey(const std::string& key, int count = 1) {
    const std::optional<size_t> index = IconIndex();
    if (!index) throw std::runtime_error("the program has no tray icon");
    driver_.Run({"tray-key", key, std::to_string(*index), std::to_string(count)});
  }
  // A popup menu window is shown.
  bool MenuOpen() {
    const DriverRun run = driver_.Try({"menu", "0"});
    if (run.exit_code != 0 && run.exit_code != 2) throw std::runtime_error("menu: " + run.err);
    return run.exit_code == 0;
  }
  void KeysToTheMenu(const std::vector<std::string>& chords) {
    std::vector<std::string> args = {"keys-front"};
    args.insert(args.end(), chords.begin(), chords.end());
    driver_.Run(args);
  }

  long long pid_ = 0;
};

TEST_F(TrayKeyboard, MenuKeyOpensTheMenuAtTheIconAndItsKeysChooseAnItem) {
  StartInTheTray();
  EXPECT_EQ(Icon().Number("version"), 4) << "the icon asks for the notifications that tell keyboard use apart";
  TrayKey("menu");
  ASSERT_TRUE(WaitUntil([&] { return MenuOpen(); }, kStateTimeout)) << "the menu opens";
  const size_t before = emulator_->Reads().size();
  KeysToTheMenu({"down", "down", "right", "return"});  // コントロール > 次の曲
  ASSERT_TRUE(WaitReads(before + 2));
  EXPECT_EQ(ReadsAfter(before), (std::vector<std::string>{"c", "P"}));
  EXPECT_TRUE(WaitUntil([&] { return !MenuOpen(); }, kStateTimeout)) << "the choice closes the menu";
  // Esc closes the menu without a choice; the icon still answers afterwards.
  TrayKey("menu");
  ASSERT_TRUE(WaitUntil([&] { return MenuOpen(); }, kStateTimeout));
  KeysToTheMenu({"escape"});
  EXPECT_TRUE(WaitUntil([&] { return !MenuOpen(); }, kStateTimeout)) << "Esc closes the menu";
  TrayKey("select");
  EXPECT_TRUE(WaitUntil([&] { return driver_.Rect(kMainClass).Flag("visible"); }, kStateTimeout));
  EXPECT_EQ(emulator_->Reads().size(), before + 2) << "nothing chosen from the dismissed menu";
  EXPECT_EQ(CloseTonquil(), 0);
}

TEST_F(TrayKeyboard, SelectOnTheIconBringsTheWindowBackOnceEvenWhenRepeated) {
  StartInTheTray();
  TrayKey("select", 2);  // as Windows sends it for Enter
  ASSERT_TRUE(WaitUntil([&] { return driver_.Rect(kMainClass).Flag("visible"); }, kStateTimeout));
  // A later positive marker: a command from the window's button arrives after the
  // second select was handled, and the window is still shown, without an icon.
  const size_t before = emulator_->Reads().size();
  ASSERT_TRUE(driver_.Click(kMainClass, "Pause"));
  ASSERT_TRUE(WaitReads(before + 1));
  const Record state = driver_.Rect(kMainClass);
  EXPECT_TRUE(state.Flag("visible")) << state.line();
  EXPECT_FALSE(state.Flag("minimized")) << state.line();
  EXPECT_FALSE(IconIndex().has_value());
  EXPECT_EQ(CloseTonquil(), 0);
}

}  // namespace
}  // namespace tonquil::e2e
