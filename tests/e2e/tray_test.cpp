// Minimising to the notification area, the tray icon's double-click and menu, the
// balloon after a song's tags, and a start in the minimised state. Wine without a
// desktop shows the icons in a standalone tray window of its own; the driver reads
// them there and clicks them with posted mouse messages.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "harness/options_dialog.h"
#include "harness/tonquil_test.h"
#include "harness/utf16_file.h"
#include "harness/wait_until.h"
#include "harness/wine_env.h"

namespace tonquil::e2e {
namespace {

constexpr milliseconds kStateTimeout{10000};
constexpr int kMenuTimeoutMs = 10000;
constexpr int kBalloonShownMs = 8000;     // Wine shows a balloon about 2 s after the request
constexpr long long kInformationIcon = 1;  // NIIF_INFO
const std::vector<std::string> kStatusQueries = {"S", "R", "L", "P", "t", "T", "@"};

using Keys = std::vector<std::string>;

// The keys that choose an item of the tray menu, from the menu as it opens.
const Keys kChooseShow = {"down", "enter"};
const Keys kChooseExit = {"down", "down", "down", "enter"};
Keys ChooseControlItem(int downs_in_submenu) {
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
    return WaitUntil([&] { return OurIcons().size() == count; }, kStateTimeout);
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
        kStateTimeout);
  }
  // Visible, minimised and without an icon: the icon would have been added in the same
  // handler that hides the window.
  void ExpectMinimisedOnTheTaskBar() {
    EXPECT_TRUE(WaitUntil([&] { return MainState().Flag("minimized"); }, kStateTimeout));
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
    const size_t total = kStatusQueries.size() + count;
    WaitUntil([&] { return emulator_->Reads().size() >= total; }, kStateTimeout);
    const std::vector<std::string> reads = emulator_->Reads();
    if (reads.size() < kStatusQueries.size()) return reads;
    return std::vector<std::string>(reads.begin() + static_cast<long>(kStatusQueries.size()), reads.end());
  }
  void OpenPort() {
    const bool asked = driver_.Click(kMainClass, "Open") &&
                       WaitUntil([&] { return emulator_->Reads().size() >= kStatusQueries.size(); }, kStateTimeout);
    if (!asked) throw std::runtime_error("Open did not ask the module for its status");
  }

  long long tonquil_pid_ = 0;
};

TEST_F(Tray, MinimisingHidesTheWindowAndShowsTheIconWithTheTitleAsTip) {
  StartWithSettings({"[Main]", "X=150", "Y=120"});
  EXPECT_TRUE(OurIcons().empty()) << "no icon before the first minimise";
  MinimiseToTheTray();
  const Record icon = OurIcon();
  EXPECT_TRUE(icon.Flag("visible"));
  EXPECT_EQ(icon.Text("tip"), "Tonquil 110529");
  EXPECT_EQ(icon.Text("balloon_text"), "") << "a minimise shows no balloon";

  // A single click does nothing. The menu, asked for after it by the same way, marks
  // that the click has been handled.
  PostToIcon("lbuttondown");
  PostToIcon("lbuttonup");
  OpenTrayMenu();
  EXPECT_FALSE(MainState().Flag("visible"));
  EXPECT_EQ(OurIcons().size(), 1u);
  driver_.Run({"menu-key", "escape"});
  EXPECT_EQ(CloseTonquil(), 0);
  EXPECT_TRUE(WaitIconCount(0)) << "the icon goes with the program";
}

TEST_F(Tray, IconComesBackAfterTheShellRestarts) {
  StartWithSettings({"[Main]", "X=150", "Y=120"});
  MinimiseToTheTray();
  const std::string lost = OurIcon().Text("hwnd");

  driver_.Run({"tray-renew", OurIconIndex()});
  ASSERT_TRUE(WaitUntil(
      [&] {
        const std::vector<Record> icons = OurIcons();
        return icons.size() == 1 && icons.front().Text("hwnd") != lost;
      },
      kStateTimeout))
      << "the icon was not added again";
  EXPECT_EQ(OurIcon().Text("tip"), "Tonquil 110529");

  // The new icon leads back to the window like the first.
  PostToIcon("lbuttondblclk");
  ASSERT_TRUE(WaitMainState(true, false)) << MainState().line();
  EXPECT_TRUE(WaitIconCount(0));
  EXPECT_EQ(CloseTonquil(), 0);
}

// When the shell will not take the icon, hiding the window would leave no way back to
// it: the window stays minimised on the task bar. Each step is followed by a click on
// Open or ">|", posted to the same thread: once the module has read its bytes, the step
// has been handled.
TEST_F(Tray, WindowStaysOnTheTaskBarWhenTheShellRefusesTheIcon) {
  LinkEmulator(7);
  StartWithSettings({"[Main]", "X=150", "Y=120", "[Option]", "ComPort=COM7"});
  MinimiseToTheTray();
  PostToIcon("lbuttondblclk");
  ASSERT_TRUE(WaitMainState(true, false)) << MainState().line();
  // An icon already in the place of the program's makes the shell refuse it.
  driver_.Run({"tray-add", "TTrayIconWindow", "1"});

  driver_.Run({"minimize", kMainClass});
  ASSERT_TRUE(driver_.PostClick(kMainClass, "Open"));
  EXPECT_EQ(ReadsAfterOpen(0), std::vector<std::string>{});
  Record state = MainState();
  EXPECT_TRUE(state.Flag("visible") && state.Flag("minimized")) << state.line();

  // Once the place is free and the shell announces itself anew, nothing is added: the
  // window is not in the tray.
  driver_.Run({"tray-renew", OurIconIndex()});
  ASSERT_TRUE(driver_.PostClick(kMainClass, ">|"));
  EXPECT_EQ(ReadsAfterOpen(2), (std::vector<std::string>{"c", "P"}));
  EXPECT_TRUE(OurIcons().empty());
  state = MainState();
  EXPECT_TRUE(state.Flag("visible") && state.Flag("minimized")) << state.line();
  driver_.Run({"restore", kMainClass});
  ASSERT_TRUE(WaitMainState(true, false));
  EXPECT_EQ(CloseTonquil(), 0);
}

struct WayBack {
  const char* name;
  bool double_click;  // otherwise the menu's first item
};

class TrayWayBack : public Tray, public ::testing::WithParamInterface<WayBack> {};

TEST_P(TrayWayBack, BringsTheWindowBackWhereItWasAndRemovesTheIcon) {
  StartWithSettings({"[Main]", "X=150", "Y=120"});
  driver_.Run({"move", kMainClass, "230", "170"});
  const Rect before = MainState().RectOf("rect");
  MinimiseToTheTray();

  if (GetParam().double_click) {
    PostToIcon("lbuttondblclk");
  } else {
    ChooseFromTrayMenu(kChooseShow);
  }
  ASSERT_TRUE(WaitMainState(true, false)) << MainState().line();
  EXPECT_EQ(MainState().RectOf("rect"), before);
  EXPECT_TRUE(WaitIconCount(0));

  // And the next minimise goes to the tray again.
  MinimiseToTheTray();
  EXPECT_EQ(CloseTonquil(), 0);
}

INSTANTIATE_TEST_SUITE_P(Ways, TrayWayBack,
                         ::testing::Values(WayBack{"DoubleClick", true}, WayBack{"MenuItem", false}),
                         [](const ::testing::TestParamInfo<WayBack>& param) { return std::string(param.param.name); });

TEST_F(Tray, NoTaskTrayFromTheSettingsFileKeepsTheWindowOnTheTaskBar) {
  StartWithSettings({"[Option]", "NoTaskTray=1"});
  driver_.Run({"minimize", kMainClass});
  ExpectMinimisedOnTheTaskBar();

  driver_.Run({"restore", kMainClass});
  ASSERT_TRUE(WaitMainState(true, false));
  EXPECT_EQ(CloseTonquil(), 0);
}

TEST_F(Tray, TickingNoTaskTrayInTheDialogChangesTheNextMinimise) {
  StartAndComeBackFromTheTray();

  OpenOptionsDialog(driver_);
  driver_.Run({"check", kOptionClass, "タスクトレイアイコンを使用しない", "1"});
  CloseOptionsDialog(driver_);
  driver_.Run({"minimize", kMainClass});
  ExpectMinimisedOnTheTaskBar();

  driver_.Run({"restore", kMainClass});
  ASSERT_TRUE(WaitMainState(true, false));
  OpenOptionsDialog(driver_);
  driver_.Run({"check", kOptionClass, "タスクトレイアイコンを使用しない", "0"});
  CloseOptionsDialog(driver_);
  MinimiseToTheTray();
  EXPECT_EQ(CloseTonquil(), 0);
}

struct MenuItem {
  const char* path;
  const char* text;
  bool submenu;
};

const std::vector<MenuItem> kTrayMenu = {
    {"0", "タスクトレイから出す", false},
    {"1", "-", false},
    {"2", "コントロール", true},
    {"2.0", "次の曲", false},
    {"2.1", "前の曲", false},
    {"2.2", "-", false},
    {"2.3", "次のディレクトリ", false},
    {"2.4", "前のディレクトリ", false},
    {"2.5", "-", false},
    {"2.6", "再生/停止", false},
    {"2.7", "一時停止", false},
    {"3", "-", false},
    {"4", "終了", false},
};

TEST_F(Tray, MenuShowsItsItemsExactlyAndAControlItemWithoutAPortChangesNothing) {
  StartWithSettings({});
  MinimiseToTheTray();
  const std::vector<Record> items = OpenTrayMenu();
  ASSERT_EQ(items.size(), kTrayMenu.size());
  for (size_t i = 0; i < items.size(); ++i) {
    const MenuItem& expected = kTrayMenu[i];
    SCOPED_TRACE(expected.path);
    EXPECT_EQ(items[i].Text("path"), expected.path);
    EXPECT_EQ(items[i].Text("text"), expected.text) << "captions as given, no access keys";
    EXPECT_EQ(items[i].Flag("separator"), std::string(expected.text) == "-");
    EXPECT_EQ(items[i].Flag("submenu"), expected.submenu);
    EXPECT_FALSE(items[i].Flag("checked"));
    if (!items[i].Flag("separator")) {
      EXPECT_FALSE(items[i].Flag("grayed"));
    }
  }
  driver_.Run({"menu-key", "escape"});
  ASSERT_TRUE(WaitUntil([&] { return driver_.Try({"menu", "0"}).exit_code == 2; }, kStateTimeout));

  ChooseFromTrayMenu(ChooseControlItem(0));  // 次の曲, no port open
  // The menu opened again marks that the item's handler has returned.
  EXPECT_EQ(OpenTrayMenu().size(), kTrayMenu.size());
  EXPECT_EQ(driver_.Try({"msgbox", "0"}).exit_code, 2) << "no message";
  EXPECT_FALSE(MainState().Flag("visible"));
  driver_.Run({"menu-key", "escape"});
  EXPECT_EQ(CloseTonquil(), 0);
}

struct ControlItem {
  const char* caption;
  int downs_in_submenu;
  std::vector<std::string> commands;
};

const std::vector<ControlItem> kControlItems = {
    {"次の曲", 0, {"c", "P"}},           {"前の曲", 1, {"x", "P"}},
    {"次のディレクトリ", 2, {"v", "P"}}, {"前のディレクトリ", 3, {"z", "P"}},
    {"再生/停止", 4, {"b", "P"}},        {"一時停止", 5, {"p"}},
};

TEST_F(Tray, ControlItemsSendTheButtonsCommands) {
  LinkEmulator(7);
  StartWithSettings({"[Option]", "ComPort=COM7"});
  OpenPort();
  MinimiseToTheTray();
  std::vector<std::string> expected;
  for (const ControlItem& item : kControlItems) {
    SCOPED_TRACE(item.caption);
    ChooseFromTrayMenu(ChooseControlItem(item.downs_in_submenu));
    expected.insert(expected.end(), item.commands.begin(), item.commands.end());
    EXPECT_EQ(ReadsAfterOpen(expected.size()), expected);
  }
  EXPECT_FALSE(MainState().Flag("visible")) << "the window stays in the tray";
  EXPECT_EQ(CloseTonquil(), 0);
}

TEST_F(Tray, ExitFromTheTrayClosesThePortAndSavesTheNormalPosition) {
  LinkEmulator(7);
  StartWithSettings({"[Main]", "X=150", "Y=120", "[Option]", "ComPort=COM7"});
  driver_.Run({"move", kMainClass, "210", "160"});
  OpenPort();
  MinimiseToTheTray();

  ChooseFromTrayMenu(kChooseExit);
  const std::optional<int> exit_code = app_.runs().back()->WaitExit(milliseconds(15000));
  ASSERT_TRUE(exit_code.has_value()) << "the program did not end";
  EXPECT_EQ(*exit_code, 0);
  EXPECT_TRUE(WaitUntil([&] { return emulator_->OtherHolders().empty(); }, kStateTimeout)) << "port released";
  EXPECT_TRUE(OurIcons().empty());
  const std::string saved = Utf16FileText(app_.IniBytes());
  EXPECT_NE(saved.find(CrLfLines({"[Main]", "X=210", "Y=160"})), std::string::npos) << saved;
  EXPECT_NE(saved.find("\r\nNoTaskTray=0\r\n"), std::string::npos) << "the options were saved too: " << saved;
}

struct BalloonCase {
  const char* name;
  const char* popup_line;
  bool shown;
};

class TrayBalloon : public Tray, public ::testing::WithParamInterface<BalloonCase> {};

// Open parses the first song's tags while the window is shown; the next song's tags
// arrive while it sits in the tray.
TEST_P(TrayBalloon, AnnouncesTheNextSongOnlyFromTheTrayAndOnlyWhenSwitchedOn) {
  LinkEmulator(7);
  StartWithSettings({"[Option]", "ComPort=COM7", GetParam().popup_line});
  OpenPort();
  MinimiseToTheTray();
  EXPECT_EQ(OurIcon().Text("balloon_text"), "") << "the tags parsed while shown make no balloon";

  ChooseFromTrayMenu(ChooseControlItem(0));  // 次の曲
  // 一時停止 after it: once the module has read its byte, the next song's report has
  // been parsed, and any balloon asked for.
  ChooseFromTrayMenu(ChooseControlItem(5));
  ASSERT_EQ(ReadsAfterOpen(3), (std::vector<std::string>{"c", "P", "p"}));
  const std::string text = "Title : 草原を駆けて\r\nArtist : 霧島 遥\r\nGame : 星の航路";
  const Record icon = OurIcon();
  if (GetParam().shown) {
    EXPECT_EQ(icon.Text("balloon_title"), "01_Arcade/02_stage1.s98");
    EXPECT_EQ(icon.Text("balloon_text"), text);
    EXPECT_EQ(icon.Number("balloon_flags"), kInformationIcon);
    EXPECT_EQ(icon.Number("balloon_timeout"), 20000);
    const DriverRun balloon = driver_.Try({"balloon", std::to_string(kBalloonShownMs)});
    ASSERT_EQ(balloon.exit_code, 0) << "no balloon";
    EXPECT_EQ(balloon.records.at(0).Text("text"), text);
  } else {
    EXPECT_EQ(icon.Text("balloon_title"), "");
    EXPECT_EQ(icon.Text("balloon_text"), "");
  }
  EXPECT_EQ(CloseTonquil(), 0);
  EXPECT_EQ(driver_.Try({"balloon", "0"}).exit_code, 2) << "the balloon goes with the icon";
}

INSTANTIATE_TEST_SUITE_P(Options, TrayBalloon,
                         ::testing::Values(BalloonCase{"Shown", "NoTaskTrayPopup=0", true},
                                           BalloonCase{"SwitchedOff", "NoTaskTrayPopup=1", false}),
                         [](const ::testing::TestParamInfo<BalloonCase>& param) {
                           return std::string(param.param.name);
                         });

// The shell's start with a minimised window, as a shortcut set to "minimised" asks for.
TEST_F(Tray, AMinimisedStartStaysOnTheTaskBarAndLaterMinimisesGoToTheTray) {
  app_.WriteIni(CrLfLines({"[Main]", "X=150", "Y=120"}));
  const std::string log = folder_.File("minimised.log");
  ChildProcess run(WineCommand("start", {"/wait", "/min", "/unix", app_.ExePath()}), log);
  ASSERT_TRUE(driver_.WaitWindow(kMainClass, "exists", 20000));
  tonquil_pid_ = DumpMain().window.Number("pid");
  ExpectMinimisedOnTheTaskBar();

  driver_.Run({"restore", kMainClass});
  ASSERT_TRUE(WaitMainState(true, false));
  EXPECT_EQ(MainState().RectOf("rect").x, 150);
  EXPECT_EQ(MainState().RectOf("rect").y, 120);
  MinimiseToTheTray();

  driver_.Run({"close", kMainClass});
  EXPECT_EQ(run.WaitExit(milliseconds(15000)), std::optional<int>(0)) << "start waits for the program's exit";
  EXPECT_EQ(ReadWholeFile(log).find("Unhandled"), std::string::npos) << ReadWholeFile(log);
}

}  // namespace
}  // namespace tonquil::e2e
