// The settings file when things go wrong: a file or folder that cannot be written, a file
// another program holds at start-up, files with odd bytes or of great size, and the
// program killed while it saves. Start-up always completes, and no setting already on
// disk is lost.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "harness/file_guards.h"
#include "harness/open_gate.h"
#include "harness/settings_texts.h"
#include "harness/tonquil_test.h"
#include "harness/utf16_file.h"
#include "harness/wait_until.h"
#include "text/utf8.h"

namespace tonquil::e2e {
namespace {

// In the program's own form, so that only a changed value can make a rewrite differ.
const std::string kStoredText =
    CrLfLines({"[Main]", "X=300", "Y=200", "", "[Option]", "X=120", "Y=140", "ComPort=COM5",
               "NoTaskTray=1", "NoTaskTrayPopup=0", "MSN=0", ""});

// The same after the main window was moved to 350, 250.
const std::string kMovedText =
    CrLfLines({"[Main]", "X=350", "Y=250", "", "[Option]", "X=120", "Y=140", "ComPort=COM5",
               "NoTaskTray=1", "NoTaskTrayPopup=0", "MSN=0", ""});

// "Option" as the program writes it from the defaults.
std::string DefaultOptionText() {
  return CrLfLines({"[Option]", "X=100", "Y=100", "ComPort=COM1", "NoTaskTray=0",
                    "NoTaskTrayPopup=0", "MSN=0", ""});
}

// UTF-16 units written out as they are, lone surrogates included, behind FF FE.
std::string UnitBytes(const std::u16string& units) {
  std::string bytes = "\xFF\xFE";
  for (const char16_t unit : units) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  return bytes;
}

bool IsReadOnly(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && (info.st_mode & 0222) == 0;
}

class SettingsFault : public TonquilTest {
 protected:
  Rect MainRect() { return DumpMain().window.RectOf("rect"); }

  // Moves the main window, so that any save at exit would change the file.
  void MoveMain(int x, int y) {
    driver_.Run({"move", kMainClass, std::to_string(x), std::to_string(y)});
  }

  // The options dialog as the start-up left it: its place and the port it selected.
  void ExpectOptions(int x, int y, const std::string& port) {
    ASSERT_TRUE(driver_.PostClick(kMainClass, "設定"));
    ASSERT_TRUE(driver_.WaitWindow(kOptionClass, "visible", 10000));
    const WindowDump options = driver_.Dump(kOptionClass);
    EXPECT_EQ(options.window.RectOf("rect").x, x);
    EXPECT_EQ(options.window.RectOf("rect").y, y);
    EXPECT_EQ(options.At("combo", 8, 26).Text("text"), port);
    ASSERT_TRUE(driver_.PostClick(kOptionClass, "閉じる"));
    ASSERT_TRUE(driver_.WaitWindow(kOptionClass, "hidden", 10000));
  }
};

TEST_F(SettingsFault, ReadOnlyFileIsReadAndNotWrittenOver) {
  app_.WriteIni(kStoredText);
  ASSERT_EQ(chmod(app_.IniPath().c_str(), 0444), 0);
  const std::string stored = app_.IniBytes();
  StartTonquil();
  EXPECT_EQ(MainRect().x, 300);
  EXPECT_EQ(MainRect().y, 200);
  MoveMain(350, 250);
  EXPECT_EQ(CloseTonquil(), 0);
  EXPECT_EQ(Utf16FileText(app_.IniBytes()), Utf16FileText(stored));
  EXPECT_TRUE(IsReadOnly(app_.IniPath())) << "the file is still read-only";
}

// The folder takes no new file, so no temporary can be made beside the settings file;
// the file itself may be written, and is rewritten in place.
TEST_F(SettingsFault, ReadOnlyFolderGetsTheFileRewrittenInPlace) {
  app_.WriteIni(kStoredText);
  // The run's log is opened for appending once the folder takes no new names.
  WriteWholeFile(folder_.File("run1.log"), "");
  const std::set<std::string> before = NamesIn(folder_.path());
  const ReadOnlyFolder read_only(folder_.path());
  if (!read_only.effective()) GTEST_SKIP() << "no way to make a folder read-only here";

  StartTonquil();
  EXPECT_EQ(MainRect().x, 300);
  EXPECT_EQ(MainRect().y, 200);
  ExpectOptions(120, 140, "COM5");
  MoveMain(350, 250);
  EXPECT_EQ(CloseTonquil(), 0);
  EXPECT_EQ(Utf16FileText(app_.IniBytes()), kMovedText);
  EXPECT_EQ(NamesIn(folder_.path()), before) << "no file left behind";
}

// Another program (an indexer, a virus scanner) holds the file when the exit saves it,
// and lets go soon after the first try: the save waits for it.
TEST_F(SettingsFault, FileHeldForAMomentAtExitIsSavedOnceLetGo) {
  app_.WriteIni(kStoredText);
  TonquilRun& run = StartTonquil();
  MoveMain(350, 250);
  OpenGate gate(folder_.path(), "Tonquil.ini");
  if (!gate.available()) GTEST_SKIP() << "fanotify is not available here (it needs root outside a container)";
  LockedFile lock(app_.IniPath(), folder_);
  gate.Arm(0, nullptr);
  driver_.Run({"close", kMainClass});
  ASSERT_TRUE(WaitUntil([&] { return !gate.Opened().empty(); }, milliseconds(10000))) << "the exit tried the file";
  lock.Release();
  EXPECT_EQ(run.WaitExit(milliseconds(30000)), std::optional<int>(0));
  EXPECT_EQ(Utf16FileText(app_.IniBytes()), kMovedText);
}

// The file cannot be read at start-up: the program runs on defaults and, since it never
// learnt what the file held, does not replace it at exit, even once the file is free.
TEST_F(SettingsFault, FileLockedAtStartGivesDefaultsAndIsNotWrittenOver) {
  app_.WriteIni(kStoredText);
  const std::string stored = app_.IniBytes();
  LockedFile lock(app_.IniPath(), folder_);
  StartTonquil();
  EXPECT_EQ(MainRect().x, 100);
  EXPECT_EQ(MainRect().y, 100);
  ExpectOptions(100, 100, "COM1");
  lock.Release();

  MoveMain(350, 250);
  EXPECT_EQ(CloseTonquil(), 0);
  EXPECT_EQ(Utf16FileText(app_.IniBytes()), Utf16FileText(stored));
}

// Another program holds the file while this one ends: the saves fail quietly, the close
// completes, and the file keeps what it held, with nothing left beside it.
TEST_F(SettingsFault, FileLockedAtExitKeepsWhatItHeld) {
  app_.WriteIni(kStoredText);
  const std::string stored = app_.IniBytes();
  StartTonquil();
  const std::set<std::string> before = NamesIn(folder_.path());
  EXPECT_EQ(MainRect().x, 300);
  MoveMain(350, 250);
  {
    LockedFile lock(app_.IniPath(), folder_);
    EXPECT_EQ(CloseTonquil(), 0);
    lock.Release();
  }
  EXPECT_EQ(Utf16FileText(app_.IniBytes()), Utf16FileText(stored));
  std::set<std::string> after = NamesIn(folder_.path());
  for (const char* locker_file : {"file_locker.out", "file_locker.stop"}) after.erase(locker_file);
  EXPECT_EQ(after, before) << "no file left behind";
}

// A settings file the program did not write: it starts at the place the file gives and
// rewrites the file at exit as the reading and writing rules make it.
struct OddFile {
  const char* name;
  std::function<std::string()> bytes;
  int x, y;  // the main window's place that the file gives
  std::function<void(const std::string& rewritten)> check;
};

void ExpectExactly(const std::string& rewritten, const std::string& expected) {
  EXPECT_EQ(Utf16FileText(rewritten), Utf16FileText(expected));
  EXPECT_EQ(rewritten, expected);
}

size_t CountOf(const std::string& text, const std::string& part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

bool StartsWith(const std::string& text, const std::string& start) {
  return text.compare(0, start.size(), start) == 0;
}

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

constexpr size_t kMebibyte = 1024 * 1024;
const std::string kLongValue(kMebibyte / 2, 'a');  // a 1 MiB line in UTF-16

// A file saved in code page 932: "曲名" is 8B C8 96 BC, no well-formed UTF-8.
std::string EightBitJapanese() { return CrLfLines({"[Main]", "X=330", "Y=230", "[Option]", "Title=\x8B\xC8\x96\xBC"}); }
std::string Utf8WithANul() { return CrLfLines({"[Main]", "X=340", "Y=240"}) + std::string(1, '\0') + "\r\n"; }

const OddFile kOddFiles[] = {
    {"OddTrailingByte",
     [] {
       return Utf16FileBytes(CrLfLines({"[Main]", "X=250", "Y=150"})) + "A";
     },
     250, 150,
     [](const std::string& rewritten) {
       ExpectExactly(rewritten, Utf16FileBytes(MainText(250, 150) + DefaultOptionText()));
     }},
    {"LoneSurrogates",
     [] {
       return UnitBytes(u"[Main]\r\nX=260\r\nY=160\r\n[Odd\xD800]\r\nKey\xDC00=Val\xDBFF\r\n");
     },
     260, 160,
     [](const std::string& rewritten) {
       ExpectExactly(
           rewritten,
           UnitBytes(u"[Main]\r\nX=260\r\nY=160\r\n\r\n[Odd\xD800]\r\nKey\xDC00=Val\xDBFF\r\n\r\n" +
                     Utf8ToUtf16(DefaultOptionText())));
     }},
    {"NulInTheMiddle",
     [] {
       return Utf16FileBytes("[Main]\r\nX=270\r\nY=17") + std::string(2, '\0') +
              Utf16FileBytes("0\r\n[Option]\r\nComPort=COM9\r\n").substr(2);
     },
     270, 17,
     [](const std::string& rewritten) {
       ExpectExactly(rewritten, Utf16FileBytes(MainText(270, 17) + DefaultOptionText()));
     }},
    // What Notepad writes for a new file, with and without its mark: read as UTF-8 and
    // rewritten in the program's UTF-16 with every value kept.
    {"Utf8WithMark",
     [] {
       return "\xEF\xBB\xBF" + CrLfLines({"[Main]", "X=310", "Y=210", "[Option]", "ComPort=COM6", "Note=曲名"});
     },
     310, 210,
     [](const std::string& rewritten) {
       ExpectExactly(rewritten, Utf16FileBytes(MainText(310, 210) +
                                               CrLfLines({"[Option]", "ComPort=COM6", "Note=曲名", "X=100", "Y=100",
                                                          "NoTaskTray=0", "NoTaskTrayPopup=0", "MSN=0", ""})));
     }},
    {"Utf8WithoutMark",
     [] { return std::string("[Main]\nX=320\nY=220\n[Tools]\nEditor=メモ帳\n"); },
     320, 220,
     [](const std::string& rewritten) {
       ExpectExactly(rewritten, Utf16FileBytes(MainText(320, 220) + CrLfLines({"[Tools]", "Editor=メモ帳", ""}) +
                                               DefaultOptionText()));
     }},
    // Neither UTF-16 nor UTF-8: the program cannot tell what the file says, starts with
    // the defaults and leaves the file as it found it.
    {"EightBitJapanese",
     [] { return EightBitJapanese(); },
     100, 100,
     [](const std::string& rewritten) { EXPECT_EQ(rewritten, EightBitJapanese()); }},
    {"Utf8WithANul",
     [] { return Utf8WithANul(); },
     100, 100,
     [](const std::string& rewritten) { EXPECT_EQ(rewritten, Utf8WithANul()); }},
    {"TenThousandSections",
     [] {
       return Utf16FileBytes(Sections(10000) + CrLfLines({"[Main]", "X=280", "Y=180"}));
     },
     280, 180,
     [](const std::string& rewritten) {
       const std::string text = Utf16FileText(rewritten);
       EXPECT_EQ(rewritten.compare(0, 2, "\xFF\xFE"), 0);
       EXPECT_TRUE(StartsWith(text, CrLfLines({"[S00001]", "K=1", ""})));
       EXPECT_EQ(CountOf(text, "\r\n[S"), 9999u);
       EXPECT_TRUE(EndsWith(text, CrLfLines({"[S10000]", "K=10000", ""}) + MainText(280, 180) +
                                      DefaultOptionText()));
     }},
    {"MebibyteLine",
     [] {
       return Utf16FileBytes(
           CrLfLines({"[Big]", "Long=" + kLongValue, "[Main]", "X=290", "Y=190"}));
     },
     290, 190,
     [](const std::string& rewritten) {
       const std::string expected = Utf16FileBytes(CrLfLines({"[Big]", "Long=" + kLongValue, ""}) +
                                                   MainText(290, 190) + DefaultOptionText());
       EXPECT_EQ(rewritten.size(), expected.size());
       EXPECT_TRUE(rewritten == expected) << "the long value and both sections come back whole";
     }},
};

void PrintTo(const OddFile& file, std::ostream* out) { *out << file.name; }

class SettingsOddFile : public SettingsFault, public ::testing::WithParamInterface<OddFile> {};

TEST_P(SettingsOddFile, StartsWithWhatCanBeReadAndRewritesByTheRules) {
  WriteWholeFile(app_.IniPath(), GetParam().bytes());
  StartTonquil();
  EXPECT_EQ(MainRect().x, GetParam().x);
  EXPECT_EQ(MainRect().y, GetParam().y);
  EXPECT_EQ(CloseTonquil(), 0);
  GetParam().check(app_.IniBytes());
}

INSTANTIATE_TEST_SUITE_P(Files, SettingsOddFile, ::testing::ValuesIn(kOddFiles),
                         [](const ::testing::TestParamInfo<OddFile>& param) {
                           return std::string(param.param.name);
                         });

}  // namespace
}  // namespace tonquil::e2e
