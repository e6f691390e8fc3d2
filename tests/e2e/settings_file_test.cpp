// The settings file Tonquil.ini beside the program: what a run reads and what it leaves.
#include <gtest/gtest.h>

#include "harness/tonquil_test.h"
#include "harness/utf16_file.h"

namespace tonquil::e2e {
namespace {

using SettingsFile = TonquilTest;

void ExpectIni(const TonquilApp& app, const std::string& expected_text) {
  const std::string bytes = app.IniBytes();
  EXPECT_EQ(Utf16FileText(bytes), expected_text);
  EXPECT_EQ(bytes, Utf16FileBytes(expected_text)) << "the file must be exactly FF FE + UTF-16LE";
}

TEST_F(SettingsFile, FirstRunWithoutAFileWritesBothSectionsInUtf16) {
  StartTonquil();
  EXPECT_FALSE(app_.IniExists()) << "nothing is written while the program runs";
  EXPECT_EQ(CloseTonquil(), 0);
  ExpectIni(app_, CrLfLines({"[Main]", "X=100", "Y=100", "", "[Option]", "X=100", "Y=100",
                             "ComPort=COM1", "NoTaskTray=0", "NoTaskTrayPopup=0", "MSN=0", ""}));
}

TEST_F(SettingsFile, HandEditedFileIsReadAndWhatTheProgramDoesNotKnowIsKept) {
  app_.WriteIni(CrLfLines({"; written by hand", "orphan=1", "[main]", "x=0x20", " y = $40 ",
                           "Extra=keep me", "[Option]", "; the port", "x=X50", "y=0XA0",
                           "comport=COM7", "NoTaskTray=2", "MSN=true", "Unknown = 42", "[Other]",
                           "Key=Value"}));
  StartTonquil();
  const Rect main = DumpMain().window.RectOf("rect");
  EXPECT_EQ(main.x, 32);
  EXPECT_EQ(main.y, 64);

  ASSERT_TRUE(driver_.PostClick(kMainClass, "設定"));
  ASSERT_TRUE(driver_.WaitWindow(kOptionClass, "visible", 10000));
  const WindowDump options = driver_.Dump(kOptionClass);
  EXPECT_EQ(options.window.RectOf("rect").x, 80);
  EXPECT_EQ(options.window.RectOf("rect").y, 160);
  EXPECT_EQ(options.At("combo", 8, 26).Text("text"), "COM7");
  EXPECT_EQ(options.At("check", 8, 64).Number("check"), 1) << "NoTaskTray=2 reads as true";
  EXPECT_EQ(options.At("check", 8, 80).Number("check"), 0) << "NoTaskTrayPopup is absent";
  EXPECT_EQ(options.At("check", 8, 96).Number("check"), 0) << "MSN=true reads as the default";
  ASSERT_TRUE(driver_.PostClick(kOptionClass, "閉じる"));
  ASSERT_TRUE(driver_.WaitWindow(kOptionClass, "hidden", 10000));

  EXPECT_EQ(CloseTonquil(), 0);
  ExpectIni(app_, CrLfLines({"[main]", "X=32", "Y=64", "Extra=keep me", "", "[Option]", "X=80",
                             "Y=160", "ComPort=COM7", "NoTaskTray=1", "MSN=0", "Unknown=42",
                             "NoTaskTrayPopup=0", "", "[Other]", "Key=Value", ""}));
}

// The dialog's window is made only when it is first shown; a run that never shows it
// must still hand back every option as it was read, the dialog's place included.
TEST_F(SettingsFile, OptionsOfADialogNeverShownAreWrittenBackAsRead) {
  app_.WriteIni(CrLfLines({"[Option]", "X=-40", "Y=2000", "ComPort=COM12", "NoTaskTray=1", "NoTaskTrayPopup=1",
                           "MSN=1"}));
  StartTonquil();
  EXPECT_EQ(CloseTonquil(), 0);
  ExpectIni(app_, CrLfLines({"[Option]", "X=-40", "Y=2000", "ComPort=COM12", "NoTaskTray=1", "NoTaskTrayPopup=1",
                             "MSN=1", "", "[Main]", "X=100", "Y=100", ""}));
}

TEST_F(SettingsFile, WindowPositionIsRestoredAfterARestart) {
  StartTonquil();
  const Record moved = driver_.Run({"move", kMainClass, "300", "150"}).at(0);
  ASSERT_EQ(moved.RectOf("rect").x, 300);
  ASSERT_EQ(moved.RectOf("rect").y, 150);
  EXPECT_EQ(CloseTonquil(), 0);
  ExpectIni(app_, CrLfLines({"[Main]", "X=300", "Y=150", "", "[Option]", "X=100", "Y=100",
                             "ComPort=COM1", "NoTaskTray=0", "NoTaskTrayPopup=0", "MSN=0", ""}));

  StartTonquil();
  const Rect restored = driver_.Rect(kMainClass).RectOf("rect");
  EXPECT_EQ(restored.x, 300);
  EXPECT_EQ(restored.y, 150);
  EXPECT_EQ(CloseTonquil(), 0);
}

TEST_F(SettingsFile, LoggingOffSavesLikeAClose) {
  TonquilRun& run = StartTonquil();
  driver_.Run({"move", kMainClass, "250", "180"});
  driver_.Run({"end-session", kMainClass});
  const std::optional<int> exit_code = run.WaitExit(std::chrono::seconds(15));
  ASSERT_TRUE(exit_code.has_value()) << "the program ends with the session";
  EXPECT_EQ(*exit_code, 0);
  ExpectIni(app_, CrLfLines({"[Main]", "X=250", "Y=180", "", "[Option]", "X=100", "Y=100", "ComPort=COM1",
                             "NoTaskTray=0", "NoTaskTrayPopup=0", "MSN=0", ""}));
}

struct StoredPosition {
  const char* name;
  const char* x_text;
  const char* y_text;
  int x;
  int y;
};

class SettingsFilePosition : public TonquilTest,
                             public ::testing::WithParamInterface<StoredPosition> {};

TEST_P(SettingsFilePosition, MainWindowTakesTheStoredValueOrItsDefault) {
  const StoredPosition& stored = GetParam();
  app_.WriteIni(CrLfLines({"[Main]", std::string("X=") + stored.x_text,
                           std::string("Y=") + stored.y_text}));
  StartTonquil();
  const Rect rect = DumpMain().window.RectOf("rect");
  EXPECT_EQ(rect.x, stored.x);
  EXPECT_EQ(rect.y, stored.y);
}

INSTANTIATE_TEST_SUITE_P(Values, SettingsFilePosition,
                         ::testing::Values(StoredPosition{"NotANumberAndHex", "abc", "0x20", 100, 32},
                                           StoredPosition{"DollarHexAndTrailingText", "$1F4", "12ab", 500, 100},
                                           StoredPosition{"EmptyAndXHex", "", "x50", 100, 80}),
                         [](const ::testing::TestParamInfo<StoredPosition>& param) {
                           return std::string(param.param.name);
                         });

}  // namespace
}  // namespace tonquil::e2e
