// Minimising to the notification area, the tray icon's double-click, the shell's
// restart and refusal, and a start in the minimised state. Wine without a desktop shows
// the icons in a standalone tray window of its own; the driver reads them there and
// clicks them with posted mouse messages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness/options_dialog.h"
#include "harness/tray_fixture.h"
#include "harness/utf16_file.h"
#include "harness/wait_until.h"
#include "harness/wine_env.h"

namespace tonquil::e2e {
namespace {

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
      kTrayStateTimeout))
      << "the icon was not added again";
  EXPECT_EQ(OurIcon().Text("tip"), "Tonquil 110529");

  // The new icon leads back to the window like the first.
  PostToIcon("lbuttondblclk");
  ASSERT_TRUE(WaitMainState(true, false)) << MainState().line();
  EXPECT_TRUE(WaitIconCount(0));
  EXPECT_EQ(CloseTonquil(), 0);
}

// A new shell that will not take the icon back would leave the window hidden with no
// way back to it: the window shows again as it was, minimised on the task bar.
TEST_F(Tray, WindowShowsWhenTheNewShellRefusesTheIcon) {
  StartWithSettings({"[Main]", "X=150", "Y=120"});
  MinimiseToTheTray();
  driver_.Run({"tray-renew", OurIconIndex(), "refused"});
  ASSERT_TRUE(WaitMainState(true, true)) << MainState().line();

  driver_.Run({"restore", kMainClass});
  ASSERT_TRUE(WaitMainState(true, false)) << MainState().line();
  EXPECT_EQ(CloseTonquil(), 0);
}

// The icon's window leads back to the hidden main window; another program's request to
// close it is refused. The double-click, posted after the request, reaches the program
// only through that window.
TEST_F(Tray, IconsWindowRefusesACloseRequest) {
  StartWithSettings({"[Main]", "X=150", "Y=120"});
  MinimiseToTheTray();
  driver_.Run({"close", "TTrayIconWindow"});
  PostToIcon("lbuttondblclk");
  ASSERT_TRUE(WaitMainState(true, false)) << MainState().line();
  EXPECT_TRUE(WaitIconCount(0));

  // And the icon's window still serves the next trip to the tray.
  MinimiseToTheTray();
  PostToIcon("lbuttondblclk");
  ASSERT_TRUE(WaitMainState(true, false)) << MainState().line();
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
