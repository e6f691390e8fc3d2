#include "settings/settings_session.h"

#include <gtest/gtest.h>

#include "settings/option_values.h"
#include "settings/fake_file_store.h"

namespace tonquil {
namespace {

const std::u16string kPath = u"C:\\Tonquil\\Tonquil.ini";

// What a run does with the file: read the main position and the options at start,
// save the main position and then the options at shut-down.
struct RunState {
  WindowPosition main;
  OptionValues options;
};

RunState StartUp(SettingsSession& session) {
  RunState run;
  session.Read([&](const TMemIniFile& doc) { run.main = ReadMainPosition(doc); });
  session.Read([&](const TMemIniFile& doc) { run.options = ReadOptionValues(doc); });
  return run;
}

void ShutDown(SettingsSession& session, const RunState& run) {
  session.Save([&](TMemIniFile& doc) { WriteMainPosition(doc, run.main); });
  session.Save([&](TMemIniFile& doc) { WriteOptionValues(doc, run.options); });
}

TEST(SettingsSession, FirstRunWritesBothSectionsInKeyOrder) {
  FakeFileStore store;
  SettingsSession session(store, kPath);
  RunState run = StartUp(session);
  EXPECT_EQ(run.main.left, 100);
  EXPECT_EQ(run.options.com_port, u"COM1");
  run.main = {320, -40};
  run.options.com_port = u"COM12";
  run.options.msn = true;
  ShutDown(session, run);
  EXPECT_EQ(store.files[kPath],
            WithMark(u"[Main]\r\nX=320\r\nY=-40\r\n\r\n"
                     u"[Option]\r\nX=100\r\nY=100\r\nComPort=COM12\r\nNoTaskTray=0\r\nNoTaskTrayPopup=0\r\nMSN=1\r\n\r\n"));
}

TEST(SettingsSession, ARestartReadsBackWhatTheLastRunSaved) {
  FakeFileStore store;
  {
    SettingsSession first(store, kPath);
    RunState run = StartUp(first);
    run.main = {-1200, 5};
    run.options = {{640, 480}, u"", true, true, false};
    ShutDown(first, run);
  }
  SettingsSession second(store, kPath);
  const RunState again = StartUp(second);
  EXPECT_EQ(again.main.left, -1200);
  EXPECT_EQ(again.main.top, 5);
  EXPECT_EQ(again.options.position.left, 640);
  EXPECT_EQ(again.options.com_port, u"") << "an empty port is not replaced by the default";
  EXPECT_TRUE(again.options.no_task_tray);
  EXPECT_TRUE(again.options.no_task_tray_popup);
  EXPECT_FALSE(again.options.msn);
}

// A file locked by another program, or one too big to hold in memory.
TEST(SettingsSession, AFileThatCannotBeReadGivesDefaultsAndIsNeverWrittenOver) {
  for (bool FakeFileStore::*failure : {&FakeFileStore::unreadable, &FakeFileStore::out_of_memory}) {
    FakeFileStore store;
    const std::string held = WithMark(u"[Option]\r\nComPort=COM7\r\nMSN=1\r\n\r\n");
    store.files[kPath] = held;
    store.*failure = true;
    SettingsSession session(store, kPath);
    const RunState run = StartUp(session);
    EXPECT_EQ(run.options.com_port, u"COM1");
    EXPECT_FALSE(run.options.msn);
    EXPECT_TRUE(session.keeps_unreadable_file());

    store.*failure = false;  // the lock went away before shut-down
    ShutDown(session, run);
    EXPECT_EQ(store.files[kPath], held);
  }
}

// Bytes of an 8-bit code page, or UTF-8 with a NUL in it: the program cannot tell what
// the file says, so it runs on the defaults and leaves the file as it found it.
TEST(SettingsSession, AFileInNoEncodingItKnowsGivesDefaultsAndIsNeverWrittenOver) {
  for (const std::string& held : {std::string("[Option]\r\nComPort=COM7\r\nName=Caf\xE9\r\n"),
                                 std::string("[Option]\r\nComPort=COM7\r\n\0", 25)}) {
    FakeFileStore store;
    store.files[kPath] = held;
    SettingsSession session(store, kPath);
    const RunState run = StartUp(session);
    EXPECT_EQ(run.options.com_port, u"COM1");
    EXPECT_TRUE(session.keeps_unreadable_file());
    ShutDown(session, run);
    EXPECT_EQ(store.files[kPath], held);
  }
}

TEST(SettingsSession, AFailedSaveStepIsSwallowedAndTheNextOneStillRuns) {
  for (bool FakeFileStore::*failure : {&FakeFileStore::refuse_writes, &FakeFileStore::out_of_memory}) {
    FakeFileStore store;
    SettingsSession session(store, kPath);
    store.*failure = true;
    EXPECT_FALSE(session.Save([](TMemIniFile& doc) { WriteMainPosition(doc, {1, 2}); }));
    store.*failure = false;
    EXPECT_TRUE(session.Save([](TMemIniFile& doc) { WriteOptionValues(doc, OptionValues{}); }));
    EXPECT_EQ(store.files.count(kPath), 1u);
  }
}

TEST(OptionValues, ReadsTheStoredFormsOfEachKey) {
  FakeFileStore store;
  store.files[kPath] = WithMark(
      u"[option]\r\nx=0x20\r\nY=abc\r\nCOMPORT=com1\r\nNoTaskTray=2\r\nNoTaskTrayPopup=-1\r\nMSN=true\r\n");
  const TMemIniFile doc(store, kPath);
  const OptionValues values = ReadOptionValues(doc);
  EXPECT_EQ(values.position.left, 32);
  EXPECT_EQ(values.position.top, 100);
  EXPECT_EQ(values.com_port, u"com1") << "values keep their case; only names match without it";
  EXPECT_TRUE(values.no_task_tray);
  EXPECT_TRUE(values.no_task_tray_popup);
  EXPECT_FALSE(values.msn) << "a word is no number, so the default holds";
}

}  // namespace
}  // namespace tonquil
