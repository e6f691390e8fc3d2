// The tray icon's menu (its items, the control items' commands, exit from the tray)
// and the balloon after a song's tags.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness/tray_fixture.h"
#include "harness/utf16_file.h"
#include "harness/wait_until.h"

namespace tonquil::e2e {
namespace {

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
  ASSERT_TRUE(WaitUntil([&] { return driver_.Try({"menu", "0"}).exit_code == 2; }, kTrayStateTimeout));

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
  EXPECT_TRUE(WaitUntil([&] { return emulator_->OtherHolders().empty(); }, kTrayStateTimeout)) << "port released";
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

}  // namespace
}  // namespace tonquil::e2e
