// The options dialog, opened with the main window's settings button.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "harness/tonquil_test.h"
#include "harness/wait_until.h"
#include "harness/utf16_file.h"

namespace tonquil::e2e {
namespace {

constexpr int kDialogTimeoutMs = 10000;

class OptionsDialog : public TonquilTest {
 protected:
  WindowDump OpenDialog() {
    if (!driver_.PostClick(kMainClass, "設定")) throw std::runtime_error("the settings button cannot be clicked");
    if (!driver_.WaitWindow(kOptionClass, "visible", kDialogTimeoutMs)) {
      throw std::runtime_error("the options dialog did not show");
    }
    return driver_.Dump(kOptionClass);
  }
  void CloseDialogWithItsButton() {
    ASSERT_TRUE(driver_.PostClick(kOptionClass, "閉じる"));
    ASSERT_TRUE(driver_.WaitWindow(kOptionClass, "hidden", kDialogTimeoutMs));
  }
  // The value of a key of the section "Option" in the file the program left.
  std::string StoredOption(const std::string& key) {
    const std::string text = Utf16FileText(app_.IniBytes());
    const size_t section = text.find("[Option]\r\n");
    const size_t line = text.find("\r\n" + key + "=", section);
    if (section == std::string::npos || line == std::string::npos) return "<absent>";
    const size_t value = line + 3 + key.size();
    return text.substr(value, text.find("\r\n", value) - value);
  }
};

std::vector<std::string> PortNames(int count) {
  std::vector<std::string> names;
  for (int i = 1; i <= count; ++i) names.push_back("COM" + std::to_string(i));
  return names;
}

struct ExpectedOptionControl {
  const char* name;
  const char* kind;
  const char* text;
  int x, y, width, height;
};

const std::vector<ExpectedOptionControl> kOptionControls = {
    {"L_01", "label", "COMポート", 8, 8, 51, 13},
    {"B_SearchZurva", "button", "自動判定", 80, 26, 73, 21},
    {"C_NoTaskTray", "check", "タスクトレイアイコンを使用しない", 8, 64, 177, 17},
    {"C_NoTaskTrayPopup", "check", "バルーンを使用しない", 8, 80, 129, 17},
    {"C_MSN", "check", "Liveメッセンジャーへ再生曲情報を送信する (要再起動)", 8, 96, 281, 17},
    {"B_Close", "button", "閉じる", 104, 128, 75, 25},
};

TEST_F(OptionsDialog, OpensModallyWithItsControlsInPlace) {
  StartTonquil();
  const WindowDump dialog = OpenDialog();
  EXPECT_EQ(dialog.window.Text("text"), "設定");
  EXPECT_EQ(dialog.window.Text("client"), "529x161");
  EXPECT_EQ(dialog.window.RectOf("rect").x, 100);
  EXPECT_EQ(dialog.window.RectOf("rect").y, 100);
  EXPECT_FALSE(DumpMain().window.Flag("enabled")) << "the main window waits for the dialog";

  for (const ExpectedOptionControl& expected : kOptionControls) {
    SCOPED_TRACE(expected.name);
    const Record& control = dialog.At(expected.kind, expected.x, expected.y);
    EXPECT_EQ(control.Text("text"), expected.text);
    EXPECT_EQ(control.RectOf("rect"), (Rect{expected.x, expected.y, expected.width, expected.height}));
    EXPECT_TRUE(control.Flag("effective"));
    if (std::string(expected.kind) == "check") {
      EXPECT_EQ(control.Number("check"), 0);
    }
  }
  const Record& ports = dialog.At("combo", 8, 26);
  EXPECT_EQ(ports.RectOf("rect").width, 65);
  EXPECT_EQ(ports.List("items"), PortNames(50));
  EXPECT_EQ(ports.Number("selection"), 0) << "COM1 without a settings file";
  EXPECT_EQ(dialog.AtAny(312, 16).Text("text"), "Tonquil 110529");
  EXPECT_NE(dialog.AtAny(312, 88).Text("text").find('@'), std::string::npos) << "mail address";

  CloseDialogWithItsButton();
  EXPECT_TRUE(DumpMain().window.Flag("enabled"));
  EXPECT_EQ(CloseTonquil(), 0);
}

TEST_F(OptionsDialog, ChangesAreKeptWhenItClosesAndSavedAtExit) {
  StartTonquil();
  OpenDialog();
  driver_.Run({"select", kOptionClass, "@8,26", "COM3"});
  driver_.Run({"check", kOptionClass, "バルーンを使用しない", "1"});
  driver_.Run({"check", kOptionClass, "Liveメッセンジャーへ再生曲情報を送信する (要再起動)", "1"});
  driver_.Run({"move", kOptionClass, "200", "150"});
  driver_.Run({"close", kOptionClass});  // the close box, not the button
  ASSERT_TRUE(driver_.WaitWindow(kOptionClass, "hidden", kDialogTimeoutMs));

  const WindowDump again = OpenDialog();
  EXPECT_EQ(again.At("combo", 8, 26).Text("text"), "COM3");
  EXPECT_EQ(again.At("check", 8, 64).Number("check"), 0);
  EXPECT_EQ(again.At("check", 8, 80).Number("check"), 1);
  EXPECT_EQ(again.At("check", 8, 96).Number("check"), 1);
  EXPECT_EQ(again.window.RectOf("rect").x, 200);
  EXPECT_EQ(again.window.RectOf("rect").y, 150);
  CloseDialogWithItsButton();
  ASSERT_TRUE(WaitUntil([&] { return StoredOption("ComPort") == "COM3"; }, milliseconds(kDialogTimeoutMs)))
      << "each close of the dialog saves the options";

  EXPECT_EQ(CloseTonquil(), 0);
  EXPECT_EQ(StoredOption("X"), "200");
  EXPECT_EQ(StoredOption("Y"), "150");
  EXPECT_EQ(StoredOption("ComPort"), "COM3");
  EXPECT_EQ(StoredOption("NoTaskTray"), "0");
  EXPECT_EQ(StoredOption("NoTaskTrayPopup"), "1");
  EXPECT_EQ(StoredOption("MSN"), "1");
}

// What the user chose is on disk once the dialog closes: a program killed later in the
// run (a crash, a power cut) keeps it.
TEST_F(OptionsDialog, OptionsChosenSurviveTheProgramKilledLaterInTheRun) {
  TonquilRun& run = StartTonquil();
  OpenDialog();
  driver_.Run({"select", kOptionClass, "@8,26", "COM4"});
  driver_.Run({"check", kOptionClass, "タスクトレイアイコンを使用しない", "1"});
  driver_.Run({"close", kOptionClass});
  ASSERT_TRUE(driver_.WaitWindow(kOptionClass, "hidden", kDialogTimeoutMs));
  const std::string saved = Utf16FileBytes(CrLfLines({"[Main]", "X=100", "Y=100", "", "[Option]", "X=100", "Y=100",
                                                      "ComPort=COM4", "NoTaskTray=1", "NoTaskTrayPopup=0", "MSN=0",
                                                      ""}));
  EXPECT_TRUE(WaitUntil([&] { return app_.IniBytes() == saved; }, milliseconds(kDialogTimeoutMs)))
      << Utf16FileText(app_.IniBytes());

  run.Kill();
  ASSERT_TRUE(driver_.WaitWindow(kMainClass, "gone", kDialogTimeoutMs));
  EXPECT_EQ(Utf16FileText(app_.IniBytes()), Utf16FileText(saved));
}

// The save at the dialog's close leaves the file as the exit writes it, so that the
// exit's own saves find every section and key in place: the bytes at the end are those
// of a run that never showed the dialog, whatever the file held at the start.
TEST_F(OptionsDialog, AnExitAfterTheDialogClosedWritesTheBytesOfAnExitAlone) {
  const std::string before_start[] = {
      "",  // no file
      CrLfLines({"[Other]", "Key=Value", "[Option]", "Unknown=1", "MSN=1"}),
  };
  const std::string at_exit[] = {
      CrLfLines({"[Main]", "X=150", "Y=100", "", "[Option]", "X=100", "Y=100", "ComPort=COM1", "NoTaskTray=0",
                 "NoTaskTrayPopup=1", "MSN=0", ""}),
      CrLfLines({"[Other]", "Key=Value", "", "[Option]", "Unknown=1", "MSN=0", "X=100", "Y=100", "ComPort=COM1",
                 "NoTaskTray=0", "NoTaskTrayPopup=1", "", "[Main]", "X=150", "Y=100", ""}),
  };
  for (int i = 0; i < 2; ++i) {
    SCOPED_TRACE(i == 0 ? "no file at the start" : "a file without Main at the start");
    if (i == 0) {
      std::remove(app_.IniPath().c_str());
    } else {
      app_.WriteIni(before_start[i]);
    }
    StartTonquil();
    OpenDialog();
    driver_.Run({"check", kOptionClass, "バルーンを使用しない", "1"});
    driver_.Run({"check", kOptionClass, "Liveメッセンジャーへ再生曲情報を送信する (要再起動)", "0"});
    CloseDialogWithItsButton();
    driver_.Run({"move", kMainClass, "150", "100"});
    EXPECT_EQ(CloseTonquil(), 0);
    EXPECT_EQ(Utf16FileText(app_.IniBytes()), at_exit[i]);
    EXPECT_EQ(app_.IniBytes(), Utf16FileBytes(at_exit[i]));
  }
}

// Windows hides an owned window with its minimised owner and shows it again when the
// owner comes back; the dialog must still be modal then, and the window, with a modal
// dialog over it, stays on the task bar instead of going to the tray.
TEST_F(OptionsDialog, StaysModalWhileItsOwnerIsMinimisedAndRestored) {
  StartTonquil();
  OpenDialog();
  driver_.Run({"shell-minimize", kMainClass});
  ASSERT_TRUE(WaitUntil([&] { return driver_.Rect(kMainClass).Flag("minimized"); }, milliseconds(kDialogTimeoutMs)));
  driver_.Run({"popups", kMainClass, "hide"});
  ASSERT_TRUE(driver_.WaitWindow(kOptionClass, "hidden", kDialogTimeoutMs));
  EXPECT_TRUE(driver_.Rect(kMainClass).Flag("visible")) << "on the task bar, not in the tray";

  driver_.Run({"shell-restore", kMainClass});
  ASSERT_TRUE(WaitUntil([&] { return !driver_.Rect(kMainClass).Flag("minimized"); }, milliseconds(kDialogTimeoutMs)));
  driver_.Run({"popups", kMainClass, "show"});
  ASSERT_TRUE(driver_.WaitWindow(kOptionClass, "visible", kDialogTimeoutMs));
  EXPECT_FALSE(DumpMain().window.Flag("enabled")) << "the dialog is still modal";
  CloseDialogWithItsButton();
  EXPECT_TRUE(DumpMain().window.Flag("enabled"));
  EXPECT_EQ(CloseTonquil(), 0);
}

struct StoredPort {
  const char* name;
  const char* line;  // the "Option" section's port line, or nullptr for no settings file
  int selection;     // -1: no item selected
  const char* written;
};

class OptionsDialogPort : public OptionsDialog, public ::testing::WithParamInterface<StoredPort> {};

TEST_P(OptionsDialogPort, StoredPortSelectsTheItemWithExactlyThatText) {
  const StoredPort& stored = GetParam();
  if (stored.line != nullptr) app_.WriteIni(CrLfLines({"[Option]", stored.line}));
  StartTonquil();
  const Record ports = OpenDialog().At("combo", 8, 26);
  EXPECT_EQ(ports.Number("count"), 50);
  EXPECT_EQ(ports.Number("selection"), stored.selection);
  CloseDialogWithItsButton();
  EXPECT_EQ(CloseTonquil(), 0);
  EXPECT_EQ(StoredOption("ComPort"), stored.written);
}

INSTANTIATE_TEST_SUITE_P(Ports, OptionsDialogPort,
                         ::testing::Values(StoredPort{"NoFile", nullptr, 0, "COM1"},
                                           StoredPort{"Com7", "ComPort=COM7", 6, "COM7"},
                                           StoredPort{"Com35", "ComPort=COM35", 34, "COM35"},
                                           StoredPort{"Com50", "ComPort=COM50", 49, "COM50"},
                                           StoredPort{"BeyondTheList", "ComPort=COM51", -1, ""},
                                           StoredPort{"LowerCase", "ComPort=com1", -1, ""},
                                           StoredPort{"Empty", "ComPort=", -1, ""}),
                         [](const ::testing::TestParamInfo<StoredPort>& param) {
                           return std::string(param.param.name);
                         });

}  // namespace
}  // namespace tonquil::e2e
