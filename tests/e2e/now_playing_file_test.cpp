// The now-playing file for stream overlays: what it holds from start to exit, a reader
// that holds it while a song changes, a path that cannot be written, and a run without
// one.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <initializer_list>
#include <string>

#include "harness/file_guards.h"
#include "harness/linked_module_test.h"

namespace tonquil::e2e {
namespace {

const std::string kIdle = "(休憩中)";
// As the settings file holds it: "\n" there is a backslash and an n.
const std::string kFormatLine = "NowPlayingFormat=♪ {title} - {artist}\\n{file} [{state}]";

class NowPlayingFileRun : public LinkedModuleTest {
 protected:
  void StartWith(std::initializer_list<std::string> now_playing_lines) {
    app_.WriteIni(CrLfLines({"[Option]", "ComPort=COM7"}) + CrLfLines(now_playing_lines));
    StartTonquil();
  }
  // The text the format gives for what the window shows now.
  std::string ShownSong() {
    const Fields shown = Shown();
    return "♪ " + shown.at("title") + " - " + shown.at("artist") + "\n" + shown.at("path") + " [" + shown.at("play") +
           "]";
  }
  std::string Beside() const { return folder_.File("now playing.txt"); }
};

TEST_F(NowPlayingFileRun, FollowsTheDisplayFromStartToExitInUtf8) {
  LinkModule();
  StartWith({"NowPlayingFile=now playing.txt", kFormatLine, "NowPlayingIdle=" + kIdle});
  ASSERT_TRUE(std::filesystem::exists(Beside())) << "written beside the exe at start-up";
  EXPECT_EQ(ReadWholeFile(Beside()), kIdle);

  Press("Open");
  const Fields first = Shown();
  ASSERT_EQ(first.at("title"), "夜明けのテーマ");
  EXPECT_EQ(ReadWholeFile(Beside()), "♪ 夜明けのテーマ - 霧島 遥\n" + first.at("path") + " [" + first.at("play") + "]");
  EXPECT_EQ(ReadWholeFile(Beside()).substr(0, 3), "\xE2\x99\xAA") << "UTF-8 from the first byte, no mark";

  Press("Dir+");
  ASSERT_EQ(Shown().at("title"), "タイトル画面");
  EXPECT_EQ(ReadWholeFile(Beside()), ShownSong());
  EXPECT_NE(ReadWholeFile(Beside()).find("三枝 律\n"), std::string::npos);

  const std::string state_before = Shown().at("play");
  Press("Play/Stop");
  ASSERT_NE(Shown().at("play"), state_before);
  EXPECT_EQ(ReadWholeFile(Beside()), ShownSong());

  Press("Close");
  EXPECT_EQ(ReadWholeFile(Beside()), kIdle);

  Press("Open");
  ASSERT_EQ(ReadWholeFile(Beside()), ShownSong());
  EXPECT_EQ(CloseTonquil(), 0);
  EXPECT_EQ(ReadWholeFile(Beside()), kIdle) << "the exit, with the port open";
  EXPECT_FALSE(std::filesystem::exists(Beside() + ".tmp"));
  const std::string ini = Utf16FileText(app_.IniBytes());
  EXPECT_NE(ini.find("\r\nNowPlayingFile=now playing.txt\r\n" + kFormatLine + "\r\nNowPlayingIdle=" + kIdle + "\r\n"),
            std::string::npos)
      << ini;
}

TEST_F(NowPlayingFileRun, AFileHeldDuringASongChangeTakesTheNextWrite) {
  const std::string path = folder_.File("overlay.txt");
  LinkModule();
  StartWith({"NowPlayingFile=" + WindowsPathOf(path)});
  Press("Open");
  const std::string first_song = ShownSong().substr(2, ShownSong().find('\n') - 2);
  ASSERT_EQ(ReadWholeFile(path), "夜明けのテーマ - 霧島 遥") << "the default template";

  {
    LockedFile reader(path, folder_);
    const auto started = std::chrono::steady_clock::now();
    Press(">|");
    const auto took = std::chrono::steady_clock::now() - started;
    ASSERT_EQ(Shown().at("title"), "草原を駆けて");
    EXPECT_EQ(ReadWholeFile(path), "夜明けのテーマ - 霧島 遥") << "the write could not land";
    EXPECT_LT(took, std::chrono::seconds(4)) << "a held file is waited for about a second";
    reader.Release();
  }
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp")) << "the failed write cleared up after itself";
  Press("Play/Stop");
  EXPECT_EQ(ReadWholeFile(path), "草原を駆けて - 霧島 遥") << "the play state changed";
  EXPECT_EQ(CloseTonquil(), 0);
  EXPECT_EQ(ReadWholeFile(path), "");
}

TEST_F(NowPlayingFileRun, TheExitWritesTheIdleTextAlsoWithNoPortOpen) {
  WriteWholeFile(Beside(), "stale song - from a crash");
  {
    LockedFile reader(Beside(), folder_);
    StartWith({"NowPlayingFile=now playing.txt", "NowPlayingIdle=" + kIdle});
    EXPECT_EQ(ReadWholeFile(Beside()), "stale song - from a crash") << "held through the start-up";
    reader.Release();
  }
  EXPECT_EQ(CloseTonquil(), 0);
  EXPECT_EQ(ReadWholeFile(Beside()), kIdle);
}

TEST_F(NowPlayingFileRun, APathThatCannotBeWrittenChangesNothingElse) {
  LinkModule();
  StartWith({"NowPlayingFile=no such folder\\now.txt", "NowPlayingIdle=" + kIdle});
  Press("Open");
  EXPECT_EQ(Shown(), State()) << "the display works as ever";
  Press(">|");
  EXPECT_EQ(Shown().at("title"), "草原を駆けて");
  ExpectNoMessageBox();
  EXPECT_EQ(CloseTonquil(), 0);
  EXPECT_FALSE(std::filesystem::exists(folder_.File("no such folder")));
}

TEST_F(NowPlayingFileRun, WithoutAPathNoFileIsWrittenAndTheSettingsFileIsAsEver) {
  LinkModule();
  StartWith({});
  Press("Open");
  Press("Dir+");
  ASSERT_EQ(Shown().at("title"), "タイトル画面");
  Press("Close");
  EXPECT_EQ(CloseTonquil(), 0);
  EXPECT_EQ(app_.IniBytes(),
            Utf16FileBytes(CrLfLines({"[Option]", "ComPort=COM7", "X=100", "Y=100", "NoTaskTray=0", "NoTaskTrayPopup=0",
                                      "MSN=0", "", "[Main]", "X=100", "Y=100", ""})));
  for (const auto& entry : std::filesystem::directory_iterator(folder_.path())) {
    EXPECT_NE(entry.path().extension(), ".txt") << entry.path();
  }
}

}  // namespace
}  // namespace tonquil::e2e
