// Logging off or shutting down while the program runs, with the options dialog or one of
// the search's message boxes up. Windows ends the process soon after the window has
// answered the end of the session, so the settings must be on disk by then; left alone,
// the program then ends by itself, every modal loop unwound.
#include <gtest/gtest.h>

#include <string>

#include "harness/options_dialog.h"
#include "harness/tonquil_test.h"
#include "harness/utf16_file.h"
#include "harness/wait_until.h"

namespace tonquil::e2e {
namespace {

constexpr milliseconds kExitTimeout{15000};
const std::string kNoTaskTray = "タスクトレイアイコンを使用しない";

class EndSession : public TonquilTest {
 protected:
  // Starts on COM7, moves the main window, opens the options dialog and changes it.
  TonquilRun& StartAndChangeEverything() {
    app_.WriteIni(CrLfLines({"[Option]", "ComPort=COM7"}));
    TonquilRun& run = StartTonquil();
    driver_.Run({"move", kMainClass, "250", "180"});
    OpenOptionsDialog(driver_);
    driver_.Run({"move", kOptionClass, "220", "240"});
    driver_.Run({"check", kOptionClass, kNoTaskTray, "1"});
    return run;
  }

  // The driver returns once the window has handled the end of the session: what the
  // file holds then is what a logged-off user keeps.
  void EndTheSession() { driver_.Run({"end-session", kMainClass}); }

  void ExpectEverythingSaved() {
    const std::string expected = CrLfLines({"[Option]", "ComPort=COM7", "X=220", "Y=240", "NoTaskTray=1",
                                            "NoTaskTrayPopup=0", "MSN=0", "", "[Main]", "X=250", "Y=180", ""});
    EXPECT_EQ(Utf16FileText(app_.IniBytes()), expected);
  }

  void ExpectEndedByItself(TonquilRun& run) {
    EXPECT_EQ(run.WaitExit(kExitTimeout), std::optional<int>(0)) << "every modal loop ends, then the program";
    EXPECT_EQ(driver_.Try({"msgbox", "0"}).exit_code, 2) << "no message box left behind";
  }

  Record AskToSearch() {
    if (!driver_.PostClick(kOptionClass, "自動判定")) throw std::runtime_error("the search button cannot be clicked");
    return driver_.Run({"msgbox"}).at(0);
  }
};

TEST_F(EndSession, WithTheOptionsDialogUpSavesEverySetting) {
  TonquilRun& run = StartAndChangeEverything();
  EndTheSession();
  ExpectEverythingSaved();
  ExpectEndedByItself(run);
  ExpectEverythingSaved();
}

// The question is ended unanswered: the search does not run, and the port list keeps
// its choice.
TEST_F(EndSession, WithTheSearchQuestionUpSavesEverySettingAndSearchesNothing) {
  const Emulator& module = LinkEmulator(3);
  TonquilRun& run = StartAndChangeEverything();
  ASSERT_EQ(AskToSearch().Text("caption"), "確認");
  EndTheSession();
  ExpectEverythingSaved();
  ExpectEndedByItself(run);
  EXPECT_TRUE(module.Reads().empty()) << "nothing was probed before the program ended";
  ExpectEverythingSaved();
}

TEST_F(EndSession, WithTheSearchResultUpSavesEverySetting) {
  LinkEmulator(3);
  TonquilRun& run = StartAndChangeEverything();
  AskToSearch();
  driver_.Run({"msgbox-answer", "yes"});
  ASSERT_TRUE(WaitUntil(
      [&] {
        const DriverRun box = driver_.Try({"msgbox", "0"});
        return box.exit_code == 0 && box.records.at(0).Text("caption") == "検索結果";
      },
      milliseconds(30000)))
      << "no result box";
  EndTheSession();
  ExpectEverythingSaved();  // the port found was not chosen yet when the session ended
  ExpectEndedByItself(run);
}

}  // namespace
}  // namespace tonquil::e2e
