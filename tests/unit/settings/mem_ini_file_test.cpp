#include "settings/mem_ini_file.h"

#include <gtest/gtest.h>

#include <string>

#include "fake_file_store.h"
#include "settings/settings_keys.h"
#include "text/utf8.h"

namespace tonquil {
namespace {

using namespace std::string_view_literals;

const std::u16string kPath = u"C:\\Tools\\Tonquil.ini";

struct Options {
  std::int32_t x = 100;
  std::int32_t y = 100;
  std::u16string port = u"COM1";
  bool no_tray = false;
  bool no_popup = false;
  bool msn = false;
};

// The two save steps of a shut-down, each on a fresh document.
void SaveAsAtExit(FakeFileStore& store, std::int32_t main_x, std::int32_t main_y,
                  const Options& options) {
  {
    TMemIniFile ini(store, kPath);
    ini.WriteInteger(kMainX.section, kMainX.key, main_x);
    ini.WriteInteger(kMainY.section, kMainY.key, main_y);
    ini.UpdateFile();
  }
  TMemIniFile ini(store, kPath);
  ini.WriteInteger(kOptionX.section, kOptionX.key, options.x);
  ini.WriteInteger(kOptionY.section, kOptionY.key, options.y);
  ini.WriteString(kOptionComPort.section, kOptionComPort.key, options.port);
  ini.WriteBool(kOptionNoTaskTray.section, kOptionNoTaskTray.key, options.no_tray);
  ini.WriteBool(kOptionNoTaskTrayPopup.section, kOptionNoTaskTrayPopup.key, options.no_popup);
  ini.WriteBool(kOptionMsn.section, kOptionMsn.key, options.msn);
  ini.UpdateFile();
}

Options LoadAsAtStart(FakeFileStore& store) {
  const TMemIniFile ini(store, kPath);
  return {ini.ReadInteger(kOptionX.section, kOptionX.key, kOptionX.default_value),
          ini.ReadInteger(kOptionY.section, kOptionY.key, kOptionY.default_value),
          ini.ReadString(kOptionComPort.section, kOptionComPort.key,
                         kOptionComPort.default_value),
          ini.ReadBool(kOptionNoTaskTray.section, kOptionNoTaskTray.key,
                       kOptionNoTaskTray.default_value),
          ini.ReadBool(kOptionNoTaskTrayPopup.section, kOptionNoTaskTrayPopup.key,
                       kOptionNoTaskTrayPopup.default_value),
          ini.ReadBool(kOptionMsn.section, kOptionMsn.key, kOptionMsn.default_value)};
}

TEST(TMemIniFile, FirstExitWritesBothSectionsInUtf16WithCrLf) {
  FakeFileStore store;
  SaveAsAtExit(store, -1200, 35, {300, 200, u"COM7", false, true, true});
  const std::string& bytes = store.files.at(kPath);
  EXPECT_EQ(bytes, WithMark(u"[Main]\r\nX=-1200\r\nY=35\r\n\r\n"
                            u"[Option]\r\nX=300\r\nY=200\r\nComPort=COM7\r\n"
                            u"NoTaskTray=0\r\nNoTaskTrayPopup=1\r\nMSN=1\r\n\r\n"));
  EXPECT_EQ(bytes.substr(0, 4), std::string("\xFF\xFE\x5B\x00", 4));
  EXPECT_EQ(bytes.substr(bytes.size() - 8), std::string("\x0D\x00\x0A\x00\x0D\x00\x0A\x00", 8));
}

TEST(TMemIniFile, DefaultsApplyWithoutAFileAndSurviveARoundTrip) {
  FakeFileStore store;
  const TMemIniFile empty(store, kPath);
  EXPECT_EQ(empty.ReadInteger(kMainX.section, kMainX.key, kMainX.default_value), 100);
  EXPECT_EQ(empty.ReadString(kOptionComPort.section, kOptionComPort.key,
                             kOptionComPort.default_value),
            u"COM1");
  EXPECT_FALSE(empty.ReadBool(kOptionMsn.section, kOptionMsn.key, kOptionMsn.default_value));
  EXPECT_TRUE(store.files.empty());

  SaveAsAtExit(store, 1, 2, {3, 4, u"COM20", true, false, true});
  const Options loaded = LoadAsAtStart(store);
  EXPECT_EQ(loaded.x, 3);
  EXPECT_EQ(loaded.y, 4);
  EXPECT_EQ(loaded.port, u"COM20");
  EXPECT_TRUE(loaded.no_tray);
  EXPECT_FALSE(loaded.no_popup);
  EXPECT_TRUE(loaded.msn);
}

TEST(TMemIniFile, RewriteKeepsForeignKeysAndSectionsInPlaceAndDropsComments) {
  FakeFileStore store;
  store.files[kPath] = WithMark(
      u"; my settings\r\n"
      u"stray=1\r\n"
      u"[main]\r\n"
      u"x=5\r\n"
      u"[Option]\r\n"
      u"Theme = dark\r\n"
      u"ComPort=COM3\r\n"
      u"[Plugins]\r\n"
      u"list=a,b\r\n");
  SaveAsAtExit(store, 10, 20, {});
  EXPECT_EQ(store.files.at(kPath),
            WithMark(u"[main]\r\nX=10\r\nY=20\r\n\r\n"
                     u"[Option]\r\nTheme=dark\r\nComPort=COM1\r\nX=100\r\nY=100\r\n"
                     u"NoTaskTray=0\r\nNoTaskTrayPopup=0\r\nMSN=0\r\n\r\n"
                     u"[Plugins]\r\nlist=a,b\r\n\r\n"));
}

struct ReadCase {
  std::u16string value;
  std::int32_t integer;  // read with default 100
  bool when_false;       // read as boolean with default false
  bool when_true;        // and with default true
};

TEST(TMemIniFile, ReadsEachValueInItsFormOrFallsBackToTheDefault) {
  const ReadCase cases[] = {
      {u"abc", 100, false, true},   {u"0x20", 32, true, true},    {u"$1F", 31, true, true},
      {u"X1f", 31, true, true},     {u"-1200", -1200, true, true}, {u"2", 2, true, true},
      {u"-1", -1, true, true},      {u"0", 0, false, false},      {u"1", 1, true, true},
      {u"true", 100, false, true},  {u"yes", 100, false, true},   {u"", 100, false, true},
      {u"$FFFFFFFF", -1, true, true},
  };
  for (const ReadCase& c : cases) {
    FakeFileStore store;
    store.files[kPath] = WithMark(u"[Main]\r\nK=" + c.value + u"\r\n");
    const TMemIniFile ini(store, kPath);
    const std::string label = Utf16ToUtf8(c.value);
    EXPECT_EQ(ini.ReadInteger(u"Main", u"K", 100), c.integer) << label;
    EXPECT_EQ(ini.ReadBool(u"Main", u"K", false), c.when_false) << label;
    EXPECT_EQ(ini.ReadBool(u"Main", u"K", true), c.when_true) << label;
    EXPECT_EQ(ini.ReadString(u"Main", u"K", u"default"), c.value) << label;
  }
}

TEST(TMemIniFile, AnEmptyPortSurvivesInsteadOfTurningIntoTheDefault) {
  FakeFileStore store;
  SaveAsAtExit(store, 100, 100, {100, 100, u"", false, false, false});
  const TMemIniFile ini(store, kPath);
  EXPECT_EQ(ini.ReadString(kOptionComPort.section, kOptionComPort.key,
                           kOptionComPort.default_value),
            u"");
  EXPECT_EQ(ini.ReadString(kOptionComPort.section, u"Missing", u"COM1"), u"COM1");
  EXPECT_EQ(ini.ReadString(u"Nowhere", kOptionComPort.key, u"COM1"), u"COM1");
}

struct FileCase {
  const char* name;
  std::string bytes;
  std::int32_t x;
  std::int32_t y;
};

TEST(TMemIniFile, ReadsWhateverLineEndsAndEndOfTextTheFileHas) {
  const FileCase cases[] = {
      {"CR LF", WithMark(u"[Main]\r\nX=1\r\nY=2\r\n"), 1, 2},
      {"LF only", WithMark(u"[Main]\nX=1\nY=2"), 1, 2},
      {"CR only", WithMark(u"[Main]\rX=1\rY=2\r"), 1, 2},
      {"no mark", Utf16LeBytes(u"[Main]\r\nX=1\r\nY=2\r\n"), 1, 2},
      {"odd byte at the end", WithMark(u"[Main]\r\nX=1\r\nY=2") + "\x33", 1, 2},
      {"NUL ends the text", WithMark(u"[Main]\r\nX=1\r\n\0Y=2\r\n"sv), 1, 100},
      {"UTF-8", "[Main]\r\nX=1\r\nY=2\r\n", 1, 2},
      {"UTF-8 with its mark", "\xEF\xBB\xBF[Main]\nX=1\nY=2", 1, 2},
      {"8-bit text behind the UTF-16 mark", "\xFF\xFE[Main]\r\nX=1\r\nY=2\r\n", 100, 100},
  };
  for (const FileCase& c : cases) {
    FakeFileStore store;
    store.files[kPath] = c.bytes;
    const TMemIniFile ini(store, kPath);
    EXPECT_EQ(ini.ReadInteger(u"Main", u"X", 100), c.x) << c.name;
    EXPECT_EQ(ini.ReadInteger(u"Main", u"Y", 100), c.y) << c.name;
  }
}

// What Notepad writes for a new file: the values typed into it are read and come back
// in the program's own UTF-16 form.
TEST(TMemIniFile, AUtf8FileIsReadAndRewrittenAsUtf16WithEveryValue) {
  FakeFileStore store;
  store.files[kPath] = "\xEF\xBB\xBF[Main]\r\nX=5\r\n[Option]\r\nMSN=1\r\n"
                       "Note=\xE6\x9B\xB2\xF0\x9F\x8E\xB5\r\n[Other]\r\nKey=Value\r\n";
  EXPECT_TRUE(LoadAsAtStart(store).msn);
  SaveAsAtExit(store, 7, 8, {100, 100, u"COM1", false, false, true});
  EXPECT_EQ(store.files.at(kPath),
            WithMark(u"[Main]\r\nX=7\r\nY=8\r\n\r\n"
                     u"[Option]\r\nMSN=1\r\nNote=\x66F2\xD83C\xDFB5\r\nX=100\r\nY=100\r\n"
                     u"ComPort=COM1\r\nNoTaskTray=0\r\nNoTaskTrayPopup=0\r\n\r\n"
                     u"[Other]\r\nKey=Value\r\n\r\n"));
}

TEST(TMemIniFile, AFileInNoEncodingItKnowsFailsTheDocument) {
  for (const std::string& bytes : {std::string("[Option]\r\nTitle=\x8B\xC8\r\n"),
                                  std::string("[Main]\r\nX=5\r\n\0", 14)}) {
    FakeFileStore store;
    store.files[kPath] = bytes;
    EXPECT_THROW(TMemIniFile(store, kPath), SettingsError);
  }
}

TEST(TMemIniFile, AnUnreadableFileFailsTheDocument) {
  FakeFileStore store;
  store.files[kPath] = WithMark(u"[Main]\r\nX=5\r\n");
  store.unreadable = true;
  EXPECT_THROW(TMemIniFile(store, kPath), SettingsError);
}

TEST(TMemIniFile, AFailedSaveThrowsAndLeavesTheOldFile) {
  FakeFileStore store;
  const std::string old = WithMark(u"[Main]\r\nX=5\r\n\r\n");
  store.files[kPath] = old;
  store.refuse_writes = true;
  TMemIniFile ini(store, kPath);
  ini.WriteInteger(u"Main", u"X", 6);
  EXPECT_THROW(ini.UpdateFile(), SettingsError);
  EXPECT_EQ(store.files.at(kPath), old);
}

TEST(TMemIniFile, WritesStayInMemoryUntilUpdateFile) {
  FakeFileStore store;
  const std::string old = WithMark(u"[Main]\r\nX=5\r\n\r\n");
  store.files[kPath] = old;
  {
    TMemIniFile ini(store, kPath);
    ini.WriteInteger(u"Main", u"X", 6);
    EXPECT_EQ(ini.ReadInteger(u"Main", u"X", 100), 6);
  }
  EXPECT_EQ(store.files.at(kPath), old);
}

TEST(TMemIniFile, AnEmptyPathIsAnEmptyDocumentThatCannotBeSaved) {
  FakeFileStore store;
  TMemIniFile ini(store, u"");
  EXPECT_EQ(store.loads, 0);
  EXPECT_EQ(ini.ReadInteger(u"Main", u"X", 100), 100);
  EXPECT_THROW(ini.UpdateFile(), SettingsError);
  EXPECT_TRUE(store.files.empty());
}

TEST(TMemIniFile, LargeFilesRoundTrip) {
  constexpr int kLines = 10000;
  std::u16string text = u"[Big]\r\n";
  for (int i = 0; i < kLines; ++i) {
    const std::string line = "key" + std::to_string(i) + "=" + std::to_string(i);
    text += Utf8ToUtf16(line) + u"\r\n";
  }
  text += u"\r\n";
  FakeFileStore store;
  store.files[kPath] = WithMark(text);
  SaveAsAtExit(store, 1, 2, {});
  const TMemIniFile ini(store, kPath);
  EXPECT_EQ(ini.ReadInteger(u"big", u"KEY9999", -1), 9999);
  EXPECT_EQ(ini.ReadInteger(u"Main", u"Y", -1), 2);
  EXPECT_EQ(store.files.at(kPath).substr(0, 2 + 2 * text.size()), WithMark(text));
}

}  // namespace
}  // namespace tonquil
