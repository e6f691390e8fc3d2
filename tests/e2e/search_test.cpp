// The options dialog's automatic search for the module on COM1 to COM50, asked and
// answered in message boxes, against the emulated module linked as one or two ports.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness/options_dialog.h"
#include "harness/tonquil_test.h"
#include "harness/utf16_file.h"
#include "harness/wait_until.h"

namespace tonquil::e2e {
namespace {

constexpr milliseconds kStateTimeout{10000};
constexpr milliseconds kSearchTimeout{30000};
constexpr long long kIdNo = 7;
constexpr long long kDefaultPushButton = 1;  // BS_DEFPUSHBUTTON
constexpr long long kCom7Index = 6;
const std::string kQuestion = "COM1\uFF5E" "COM50までを検索してZ.O.R.V.Aを検索します。よろしいですか?";
const std::vector<std::string> kStatusQueries = {"S", "R", "L", "P", "t", "T", "@"};
const std::vector<std::string> kProbeOnly = {"*"};

class Search : public TonquilTest {
 protected:
  void StartWithPort(const std::string& port) {
    app_.WriteIni(CrLfLines({"[Option]", "ComPort=" + port}));
    StartTonquil();
  }
  Record AskToSearch() {
    if (!driver_.PostClick(kOptionClass, "自動判定")) throw std::runtime_error("the search button cannot be clicked");
    return driver_.Run({"msgbox"}).at(0);
  }
  Record AnswerAndWaitForTheResult(const std::string& answer) {
    driver_.Run({"msgbox-answer", answer});
    Record result;
    // The question box may still be there for a moment after the answer.
    const bool shown = WaitUntil(
        [&] {
          const DriverRun box = driver_.Try({"msgbox", "0"});
          if (box.exit_code != 0 || box.records.at(0).Text("caption") == "確認") return false;
          result = box.records.at(0);
          return true;
        },
        kSearchTimeout);
    if (!shown) throw std::runtime_error("no result box after the search");
    return result;
  }
  bool WaitNoMessageBox() {
    return WaitUntil([&] { return driver_.Try({"msgbox", "0"}).exit_code == 2; }, kStateTimeout);
  }
  Record Ports() { return driver_.Dump(kOptionClass).At("combo", 8, 26); }

  static std::vector<std::string> WaitForReads(const Emulator& emulator, size_t count) {
    WaitUntil([&] { return emulator.Reads().size() >= count; }, kStateTimeout);
    return emulator.Reads();
  }
  static bool Released(const Emulator& emulator) {
    return WaitUntil([&] { return emulator.OtherHolders().empty(); }, kStateTimeout);
  }
};

TEST_F(Search, AnsweringNoSendsNothingAndKeepsTheSelection) {
  const Emulator& module = LinkEmulator(3);
  StartWithPort("COM7");
  OpenOptionsDialog(driver_);
  const Record question = AskToSearch();
  EXPECT_EQ(question.Text("caption"), "確認");
  EXPECT_EQ(question.Text("text"), kQuestion);
  EXPECT_EQ(question.List("buttons").size(), 2u);
  const WindowDump box = driver_.Dump("#32770");
  ASSERT_EQ(box.window.Text("text"), "確認");
  std::vector<long long> default_buttons;
  for (const Record& control : box.controls) {
    const bool default_button = control.Text("kind") == "button" && (control.Number("style") & 0xF) == kDefaultPushButton;
    if (default_button) default_buttons.push_back(control.Number("id"));
  }
  EXPECT_EQ(default_buttons, std::vector<long long>{kIdNo}) << "No is the default";

  driver_.Run({"msgbox-answer", "no"});
  ASSERT_TRUE(WaitNoMessageBox());
  // Asked again: the next box is the new question, with nothing shown in between, and
  // once it is answered no box is left.
  EXPECT_EQ(AskToSearch().Text("caption"), "確認") << "nothing more was shown after No";
  driver_.Run({"msgbox-answer", "no"});
  ASSERT_TRUE(WaitNoMessageBox());
  EXPECT_TRUE(module.Reads().empty());
  EXPECT_TRUE(module.OtherHolders().empty()) << "no port was opened";
  EXPECT_EQ(Ports().Number("selection"), kCom7Index);
  CloseOptionsDialog(driver_);
  EXPECT_EQ(CloseTonquil(), 0);
}

class SearchFinds : public Search, public ::testing::WithParamInterface<int> {};

TEST_P(SearchFinds, TheModuleAnnouncedSelectedAndReleased) {
  const std::string port = "COM" + std::to_string(GetParam());
  const Emulator& module = LinkEmulator(GetParam());
  StartWithPort("COM7");
  OpenOptionsDialog(driver_);
  AskToSearch();
  const Record result = AnswerAndWaitForTheResult("yes");
  EXPECT_EQ(result.Text("caption"), "検索結果");
  EXPECT_EQ(result.Text("text"), port + "でZ.O.R.V.Aが見つかりました");
  EXPECT_TRUE(Released(module)) << "the port is closed before the box shows";
  driver_.Run({"msgbox-answer", "ok"});
  ASSERT_TRUE(WaitNoMessageBox());

  EXPECT_EQ(Ports().Text("text"), port);
  EXPECT_EQ(WaitForReads(module, 1), kProbeOnly);
  EXPECT_TRUE(DumpMain().At("button", 8, 8).Flag("enabled")) << "the main window's port stays closed";
  CloseOptionsDialog(driver_);
  EXPECT_EQ(CloseTonquil(), 0);
  EXPECT_NE(Utf16FileText(app_.IniBytes()).find("\r\nComPort=" + port + "\r\n"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Ports, SearchFinds, ::testing::Values(3, 21, 50),
                         [](const ::testing::TestParamInfo<int>& param) {
                           return "Com" + std::to_string(param.param);
                         });

// A close request (another program's, say) while the result box is up must not pull
// the dialog out from under the search that is about to select the port: it is refused,
// and the program runs on. The answer, posted after the request to the same thread,
// marks that the request has been handled once the box is gone.
TEST_F(Search, CloseRequestedWhileTheResultIsShownIsRefused) {
  LinkEmulator(3);
  StartWithPort("COM7");
  OpenOptionsDialog(driver_);
  AskToSearch();
  AnswerAndWaitForTheResult("yes");
  driver_.Run({"close", kMainClass});
  driver_.Run({"msgbox-answer", "ok"});
  ASSERT_TRUE(WaitNoMessageBox());

  ASSERT_TRUE(driver_.WaitWindow(kOptionClass, "visible", 0)) << "the dialog is still shown";
  EXPECT_EQ(Ports().Text("text"), "COM3");
  EXPECT_FALSE(DumpMain().window.Flag("enabled")) << "the dialog is still modal";
  CloseOptionsDialog(driver_);
  EXPECT_TRUE(DumpMain().window.Flag("visible")) << "the program is still running";
  EXPECT_EQ(CloseTonquil(), 0);
  EXPECT_NE(Utf16FileText(app_.IniBytes()).find("\r\nComPort=COM3\r\n"), std::string::npos);
}

// The same request to the dialog itself, which the question box has disabled, and
// then to the main window: ending the dialog's showing would give the main window back,
// and its close would destroy the dialog under the search. Both are refused. The answer,
// posted after them, marks that they have been handled once the box is gone.
TEST_F(Search, CloseRequestedToTheDialogUnderTheQuestionIsRefused) {
  StartWithPort("COM7");
  OpenOptionsDialog(driver_);
  AskToSearch();
  driver_.Run({"close", kOptionClass});
  driver_.Run({"close", kMainClass});
  driver_.Run({"msgbox-answer", "no"});
  ASSERT_TRUE(WaitNoMessageBox());

  ASSERT_TRUE(driver_.WaitWindow(kOptionClass, "visible", 0)) << "the dialog is still shown";
  EXPECT_FALSE(DumpMain().window.Flag("enabled")) << "the dialog is still modal";
  EXPECT_EQ(Ports().Number("selection"), kCom7Index);
  CloseOptionsDialog(driver_);
  EXPECT_TRUE(DumpMain().window.Flag("visible")) << "the program is still running";
  EXPECT_EQ(CloseTonquil(), 0);
}

TEST_F(Search, NoModuleAnywhereIsReportedAndChangesNothing) {
  StartWithPort("COM7");
  OpenOptionsDialog(driver_);
  AskToSearch();
  const Record result = AnswerAndWaitForTheResult("yes");
  EXPECT_EQ(result.Text("caption"), "検索結果");
  EXPECT_EQ(result.Text("text"), "Z.O.R.V.Aが見つかりませんでした");
  driver_.Run({"msgbox-answer", "ok"});
  ASSERT_TRUE(WaitNoMessageBox());
  EXPECT_EQ(Ports().Number("selection"), kCom7Index);
  CloseOptionsDialog(driver_);
  EXPECT_EQ(CloseTonquil(), 0);
}

// The main window holds COM3, where a module answers; the search passes over it, finds
// the second module on COM5, and the main window goes on using its own port.
TEST_F(Search, APortHeldByTheMainWindowIsLeftAlone) {
  const Emulator& held = LinkEmulator(3);
  const Emulator other(5, folder_);
  StartWithPort("COM3");
  ASSERT_TRUE(driver_.Click(kMainClass, "Open"));
  ASSERT_EQ(WaitForReads(held, kStatusQueries.size()), kStatusQueries);

  OpenOptionsDialog(driver_);
  AskToSearch();
  const Record result = AnswerAndWaitForTheResult("yes");
  EXPECT_EQ(result.Text("text"), "COM5でZ.O.R.V.Aが見つかりました");
  driver_.Run({"msgbox-answer", "ok"});
  ASSERT_TRUE(WaitNoMessageBox());
  EXPECT_EQ(Ports().Text("text"), "COM5");
  CloseOptionsDialog(driver_);

  EXPECT_EQ(WaitForReads(other, 1), kProbeOnly);
  EXPECT_TRUE(Released(other));
  EXPECT_EQ(held.Reads(), kStatusQueries) << "no probe went to the held port";
  const WindowDump main = DumpMain();
  EXPECT_FALSE(main.At("button", 8, 8).Flag("effective")) << "Open";
  EXPECT_TRUE(main.At("button", 376, 8).Flag("effective")) << "Close";
  EXPECT_TRUE(main.At("group", 8, 40).Flag("enabled")) << "Control";

  ASSERT_TRUE(driver_.Click(kMainClass, ">|"));
  std::vector<std::string> expected = kStatusQueries;
  expected.insert(expected.end(), {"c", "P"});
  EXPECT_EQ(WaitForReads(held, expected.size()), expected) << "the button still reaches the held port";
  EXPECT_FALSE(held.OtherHolders().empty());
  EXPECT_EQ(other.Reads(), kProbeOnly);
  EXPECT_EQ(CloseTonquil(), 0);
}

}  // namespace
}  // namespace tonquil::e2e
