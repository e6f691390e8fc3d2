// The main window as a user first sees it: frame, caption, every control in its place.
#include <gtest/gtest.h>

#include <vector>

#include "harness/tonquil_test.h"

namespace tonquil::e2e {
namespace {

using MainWindow = TonquilTest;

constexpr unsigned kMaximizeBox = 0x00010000;
constexpr unsigned kMinimizeBox = 0x00020000;
constexpr unsigned kThickFrame = 0x00040000;
constexpr unsigned kSysMenu = 0x00080000;
constexpr unsigned kTabStop = 0x00010000;
constexpr unsigned kHScroll = 0x00100000;
constexpr unsigned kVScroll = 0x00200000;
constexpr int kAnySize = -1;

struct ExpectedControl {
  const char* name;
  const char* kind;
  const char* text;
  int x, y;  // in the main window's client area
  int width, height;
  bool usable;  // enabled together with every window it sits in
};

// Group box positions plus the positions of the controls inside them.
const std::vector<ExpectedControl> kMainControls = {
    {"B_Open", "button", "Open", 8, 8, 65, 25, true},
    {"B_Option", "button", "設定", 80, 8, 65, 25, true},
    {"B_Close", "button", "Close", 376, 8, 65, 25, false},
    {"GB1", "group", "Control", 8, 40, 433, 185, false},
    {"B_PrevSong", "button", "|<", 24, 64, 75, 41, false},
    {"B_Play", "button", "Play/Stop", 104, 64, 75, 41, false},
    {"B_NextSong", "button", ">|", 184, 64, 75, 41, false},
    {"B_PrevDir", "button", "Dir-", 24, 112, 75, 41, false},
    {"B_NextDir", "button", "Dir+", 184, 112, 75, 41, false},
    {"B_Pause", "button", "Pause", 272, 64, 75, 25, false},
    {"B_Speed", "button", "Speed", 272, 96, 75, 25, false},
    {"B_Loop", "button", "Loop", 272, 128, 75, 25, false},
    {"B_Repeat", "button", "Repeat", 272, 160, 75, 25, false},
    {"B_Reset", "button", "Reset", 272, 192, 75, 25, false},
    {"L_Pause", "label", "Stopped", 360, 72, kAnySize, kAnySize, false},
    {"L_Speed", "label", "1x", 360, 104, kAnySize, kAnySize, false},
    {"L_Loop", "label", "1", 360, 136, kAnySize, kAnySize, false},
    {"L_Repeat", "label", "None", 360, 168, kAnySize, kAnySize, false},
    {"GB2", "group", "File", 8, 232, 433, 41, true},
    {"L_File", "label", "None", 16, 252, kAnySize, kAnySize, true},
    {"GB3", "group", "Tag", 8, 280, 265, 241, true},
    {"L_01", "label", "Title", 16, 299, kAnySize, kAnySize, true},
    {"L_09", "label", "Artist", 16, 323, kAnySize, kAnySize, true},
    {"L_02", "label", "Game", 16, 347, kAnySize, kAnySize, true},
    {"L_07", "label", "Year", 16, 371, kAnySize, kAnySize, true},
    {"L_03", "label", "Genre", 16, 395, kAnySize, kAnySize, true},
    {"L_08", "label", "Comment", 16, 420, kAnySize, kAnySize, true},
    {"L_04", "label", "Copyright", 16, 443, kAnySize, kAnySize, true},
    {"L_05", "label", "S98By", 16, 468, kAnySize, kAnySize, true},
    {"L_06", "label", "System", 16, 492, kAnySize, kAnySize, true},
    {"E_Tag_Title", "edit", "", 72, 296, 193, 21, true},
    {"E_Tag_Artist", "edit", "", 72, 320, 193, 21, true},
    {"E_Tag_Game", "edit", "", 72, 344, 193, 21, true},
    {"E_Tag_Year", "edit", "", 72, 368, 193, 21, true},
    {"E_Tag_Genre", "edit", "", 72, 392, 193, 21, true},
    {"E_Tag_Comment", "edit", "", 72, 416, 193, 21, true},
    {"E_Tag_Copyright", "edit", "", 72, 440, 193, 21, true},
    {"E_Tag_S98By", "edit", "", 72, 464, 193, 21, true},
    {"E_Tag_System", "edit", "", 72, 488, 193, 21, true},
    {"M_Etc", "memo", "", 280, 280, 161, 241, true},
    {"M_Debug", "memo", "あとでここ消すけど生の受信データがここに出るょ", 456, 8, 265, 513, true},
};

unsigned StyleOf(const Record& record) {
  return static_cast<unsigned>(record.Number("style"));
}

TEST_F(MainWindow, ShowsItsCaptionAtTheDefaultPlaceWithAFixedFrame) {
  StartTonquil();
  const Record window = DumpMain().window;
  EXPECT_EQ(window.Text("text"), "Tonquil 110529");
  EXPECT_EQ(window.Text("client"), "449x529");
  const Rect rect = window.RectOf("rect");
  EXPECT_EQ(rect.x, 100);
  EXPECT_EQ(rect.y, 100);
  const unsigned style = StyleOf(window);
  EXPECT_EQ(style & kMaximizeBox, 0u) << "no maximise box";
  EXPECT_EQ(style & kThickFrame, 0u) << "not resizable";
  EXPECT_NE(style & kMinimizeBox, 0u);
  EXPECT_NE(style & kSysMenu, 0u);
  EXPECT_EQ(CloseTonquil(), 0);
}

TEST_F(MainWindow, EveryControlStartsInItsPlaceWithItsCaptionAndState) {
  StartTonquil();
  const WindowDump dump = DumpMain();
  for (const ExpectedControl& expected : kMainControls) {
    SCOPED_TRACE(expected.name);
    const Record& control = dump.At(expected.kind, expected.x, expected.y);
    EXPECT_EQ(control.Text("text"), expected.text);
    const Rect rect = control.RectOf("rect");
    if (expected.width != kAnySize) {
      EXPECT_EQ(rect.width, expected.width);
      EXPECT_EQ(rect.height, expected.height);
    }
    EXPECT_EQ(control.Flag("effective"), expected.usable);
    EXPECT_TRUE(control.Flag("visible"));
    if (std::string(expected.kind) == "edit") {
      EXPECT_TRUE(control.Flag("readonly"));
    }
  }
}

TEST_F(MainWindow, MemosScrollAndTheDebugMemoLiesOutsideTheClientArea) {
  StartTonquil();
  const WindowDump dump = DumpMain();
  const Record& etc = dump.At("memo", 280, 280);
  EXPECT_FALSE(etc.Flag("readonly"));
  EXPECT_EQ(StyleOf(etc) & (kHScroll | kVScroll), kHScroll | kVScroll);
  const Record& debug = dump.At("memo", 456, 8);
  EXPECT_GE(debug.RectOf("rect").x, 449) << "never seen: right of the client area";
}

// The tab order is the order of the controls that take focus, depth first in z-order.
TEST_F(MainWindow, TabOrderFollowsTheLayout) {
  StartTonquil();
  std::vector<std::pair<int, int>> order;
  for (const Record& control : DumpMain().controls) {
    if ((StyleOf(control) & kTabStop) != 0) {
      const Rect rect = control.RectOf("rect");
      order.emplace_back(rect.x, rect.y);
    }
  }
  const std::vector<std::pair<int, int>> expected = {
      {8, 8},    {80, 8},    {376, 8},                                      // Open, 設定, Close
      {24, 64},  {104, 64},  {184, 64},  {24, 112}, {184, 112},             // |< Play >| Dir- Dir+
      {272, 64}, {272, 96},  {272, 128}, {272, 160}, {272, 192},            // Pause .. Reset
      {72, 440}, {72, 392},  {72, 344},  {72, 296},  {72, 464}, {72, 488},  // Copyright .. System
      {72, 320}, {72, 368},  {72, 416},                                     // Artist Year Comment
      {280, 280}, {456, 8},                                                 // M_Etc, M_Debug
  };
  EXPECT_EQ(order, expected);
}

TEST_F(MainWindow, ControlPanelCannotBeUsedWhileNoPortIsOpen) {
  StartTonquil();
  EXPECT_FALSE(driver_.Click(kMainClass, "Play/Stop"));
  EXPECT_FALSE(driver_.Click(kMainClass, "Reset"));
  EXPECT_FALSE(driver_.Click(kMainClass, "Close"));
  EXPECT_EQ(CloseTonquil(), 0);
}

}  // namespace
}  // namespace tonquil::e2e
