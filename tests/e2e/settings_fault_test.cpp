// The settings file when things go wrong: a file or folder that cannot be written, a file
// another program holds at start-up, files with odd bytes or of great size, and the
// program killed while it saves. Start-up always completes, and no setting already on
// disk is lost.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <iostream>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "harness/file_guards.h"
#include "harness/tonquil_test.h"
#include "harness/utf16_file.h"
#include "text/utf8.h"

namespace tonquil::e2e {
namespace {

using Clock = std::chrono::steady_clock;

// In the program's own form, so that only a changed value can make a rewrite differ.
const std::string kStoredText =
    CrLfLines({"[Main]", "X=300", "Y=200", "", "[Option]", "X=120", "Y=140", "ComPort=COM5",
               "NoTaskTray=1", "NoTaskTrayPopup=0", "MSN=0", ""});

// "Option" as the program writes it from the defaults.
std::string DefaultOptionText() {
  return CrLfLines({"[Option]", "X=100", "Y=100", "ComPort=COM1", "NoTaskTray=0",
                    "NoTaskTrayPopup=0", "MSN=0", ""});
}

std::string MainText(int x, int y) {
  return CrLfLines({"[Main]", "X=" + std::to_string(x), "Y=" + std::to_string(y), ""});
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

std::set<std::string> NamesIn(const std::string& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.insert(entry.path().filename().string());
  }
  return names;
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

TEST_F(SettingsFault, ReadOnlyFolderRunsNormallyAndLosesNothing) {
  app_.WriteIni(kStoredText);
  const std::string stored = app_.IniBytes();
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
  EXPECT_EQ(Utf16FileText(app_.IniBytes()), Utf16FileText(stored));
  EXPECT_EQ(NamesIn(folder_.path()), before) << "no file left behind";
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

std::string Sections(int count) {
  std::string text;
  char header[32];
  for (int i = 1; i <= count; ++i) {
    std::snprintf(header, sizeof header, "[S%05d]", i);
    text += CrLfLines({header, "K=" + std::to_string(i), ""});
  }
  return text;
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

// Killed while it saves a large file, the program leaves either the old file or one of
// the whole files that its two save steps write: never a cut-off or empty one.
class KilledWhileSaving : public SettingsFault {
 protected:
  static constexpr int kRuns = 10;
  static constexpr int kOldX = 300;
  static constexpr int kOldY = 200;

  // Before the exit: "Option" knows only the port. After the first step "Main" has the
  // new place; after the second "Option" has all its keys.
  static std::string Before() {
    return Utf16FileBytes(MainText(kOldX, kOldY) + PortOnly() + Tail());
  }
  static std::string AfterMain(int x, int y) {
    return Utf16FileBytes(MainText(x, y) + PortOnly() + Tail());
  }
  static std::string AfterBoth(int x, int y) {
    return Utf16FileBytes(MainText(x, y) +
                          CrLfLines({"[Option]", "ComPort=COM1", "X=100", "Y=100", "NoTaskTray=0",
                                     "NoTaskTrayPopup=0", "MSN=0", ""}) +
                          Tail());
  }
  static std::string PortOnly() { return CrLfLines({"[Option]", "ComPort=COM1", ""}); }
  static const std::string& Tail() {
    static const std::string tail = Sections(10000);
    return tail;
  }

  std::vector<std::string> TemporaryFiles() {
    std::vector<std::string> found;
    for (const std::string& name : NamesIn(folder_.path())) {
      if (name.rfind("Tonquil.ini.", 0) == 0) found.push_back(name);
    }
    return found;
  }

  // Starts on the old file, moves the window and closes it; returns the close's run.
  TonquilRun& StartMoveAndClose(int x, int y) {
    WriteWholeFile(app_.IniPath(), Before());
    TonquilRun& run = StartTonquil();
    MoveMain(x, y);
    driver_.Run({"close", kMainClass});
    return run;
  }
};

TEST_F(KilledWhileSaving, FileIsAlwaysWholeOldOrNew) {
  // A run left alone gives the time that its exit takes.
  TonquilRun& whole = StartMoveAndClose(400, 250);
  auto start = Clock::now();
  ASSERT_EQ(whole.WaitExit(milliseconds(30000)), 0);
  const auto exit_ms = std::chrono::duration_cast<milliseconds>(Clock::now() - start).count();
  ASSERT_EQ(app_.IniBytes(), AfterBoth(400, 250));
  std::cout << "[ timing   ] exit with a 10,000-section file: " << exit_ms
            << " ms after the close\n";

  int old_files = 0, main_saved = 0, both_saved = 0;
  for (int i = 0; i < kRuns; ++i) {
    const int x = 401 + i;
    TonquilRun& run = StartMoveAndClose(x, 250);
    // Spread over the whole exit, its two saves included.
    std::this_thread::sleep_for(milliseconds(exit_ms * i / (kRuns - 1)));
    run.Kill();
    // The next start must not meet this run's window or single-instance guard.
    ASSERT_TRUE(driver_.WaitWindow(kMainClass, "gone", 10000));
    const std::string bytes = app_.IniBytes();
    if (bytes == Before()) {
      ++old_files;
    } else if (bytes == AfterMain(x, 250)) {
      ++main_saved;
    } else if (bytes == AfterBoth(x, 250)) {
      ++both_saved;
    } else {
      ADD_FAILURE() << "run " << i << ": the file is neither old nor new, " << bytes.size()
                    << " bytes";
    }
    const std::vector<std::string> temporaries = TemporaryFiles();
    EXPECT_LE(temporaries.size(), 1u) << "run " << i;
    for (const std::string& name : temporaries) {
      std::cout << "[ leftover ] run " << i << ": " << name << "\n";
      std::filesystem::remove(folder_.File(name));
    }
  }
  std::cout << "[ outcome  ] old " << old_files << ", Main saved " << main_saved << ", both saved "
            << both_saved << "\n";
}

}  // namespace
}  // namespace tonquil::e2e
