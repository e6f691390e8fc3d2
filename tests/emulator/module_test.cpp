#include "module.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cp932.h"
#include "s98_writer.h"
#include "test_songs.h"

namespace tonquil::emu {
namespace {

using testing::TaggedSong;
using testing::TitleSong;

// Two folders: A with three songs, B with one.
Library SmallLibrary() {
  const auto song = [](const char* dir, const char* name, const S98Song& s98) {
    return DemoFile{dir, name, WriteS98(s98)};
  };
  return LibraryFromFiles({
             song("A", "1.s98", TaggedSong(S98TagStyle::kUtf8Bom, {{"title", "夜明け"}, {"artist", "Ann"}})),
             song("A", "2.s98", TaggedSong(S98TagStyle::kNone, {})),
             song("A", "3.s98", TitleSong("終わり")),
             song("B", "1.s98", TaggedSong(S98TagStyle::kCp932, {{"game", "Game"}, {"system", "X"}})),
         })
      .library;
}

std::vector<std::string> Lines(const std::string& reply) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = reply.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(reply.substr(start, end - start));
  }
  EXPECT_EQ(start, reply.size()) << "reply does not end with CR LF: " << reply;
  return lines;
}

std::string Send(Module& module, const std::string& commands, std::int64_t now_ms = 0) {
  std::string last;
  for (const char c : commands) last = module.Handle(c, now_ms);
  return last;
}

TEST(Module, ProbeAnswersExactlyOk) {
  Module module(SmallLibrary());
  EXPECT_EQ(module.Handle('*', 0), "OK\r\n");
  Send(module, "cbsl");
  EXPECT_EQ(module.Handle('*', 0), "OK\r\n");
}

struct ReplyCase {
  const char* before;  // commands sent first
  char command;
  std::vector<std::string> lines;
};

TEST(Module, EachCommandPrintsItsLineForms) {
  const std::vector<ReplyCase> cases = {
      {"", 'S', {"Stopped"}},
      {"", 'b', {"Playing"}},
      {"b", 'b', {"Stopped"}},
      {"b", 'p', {"Paused"}},
      {"bp", 'p', {"Playing"}},
      {"", 'p', {"Stopped"}},
      {"bp", 'S', {"Paused"}},
      {"bp", 'b', {"Stopped"}},
      {"", 't', {"PlaySpeed : 1x"}},
      {"", 's', {"PlaySpeed : 2x"}},
      {"sss", 't', {"PlaySpeed : 0.5x"}},
      {"sss", 's', {"PlaySpeed : 1x"}},
      {"", 'L', {"LoopCount : 1"}},
      {"lll", 'l', {"LoopCount : Inf"}},
      {"lllll", 'L', {"LoopCount : 1"}},
      {"", 'R', {"Repeat : None"}},
      {"", 'r', {"Repeat : One"}},
      {"rr", 'r', {"Repeat : Dir"}},
      {"rrrr", 'R', {"Repeat : None"}},
      {"", 'T', {"PlayTime : 00:00 / 00:01"}},
      {"", 'c', {"PlayFile : A/2.s98"}},
      {"", 'P', {"PlayFile : A/1.s98", "TAG : [S98]", "title=" + Utf8ToCp932("夜明け"), "artist=Ann", ""}},
      {"c", 'P', {"PlayFile : A/2.s98", "TAG : [S98]", ""}},
      {"cc", 'P', {"PlayFile : A/3.s98", "TAG : [S98]", "title=" + Utf8ToCp932("終わり"), ""}},
      {"v", 'P', {"PlayFile : B/1.s98", "TAG : [S98]", "game=Game", "system=X", ""}},
  };
  for (const ReplyCase& c : cases) {
    Module module(SmallLibrary());
    Send(module, c.before);
    EXPECT_EQ(Lines(module.Handle(c.command, 0)), c.lines) << c.before << " then " << c.command;
  }
}

TEST(Module, IgnoresBytesThatAreNoCommand) {
  Module module(SmallLibrary());
  for (const char byte : std::string("\r\n\0 Aaq?\x7f\xff", 10)) {
    EXPECT_EQ(module.Handle(byte, 0), "") << static_cast<int>(byte);
  }
  EXPECT_EQ(Lines(module.Handle('P', 0))[0], "PlayFile : A/1.s98");
}

TEST(Module, WalksSongsAndFoldersWithWrapAround) {
  const std::vector<std::pair<std::string, std::string>> walks = {
      {"c", "A/2.s98"},   {"ccc", "B/1.s98"}, {"cccc", "A/1.s98"}, {"x", "B/1.s98"},
      {"xx", "A/3.s98"},  {"cx", "A/1.s98"},  {"v", "B/1.s98"},    {"vv", "A/1.s98"},
      {"z", "B/1.s98"},   {"ccz", "B/1.s98"}, {"ccv", "B/1.s98"},  {"vz", "A/1.s98"},
      {"ccvP", "B/1.s98"}};
  for (const auto& [commands, file] : walks) {
    Module module(SmallLibrary());
    EXPECT_EQ(Lines(Send(module, commands))[0], "PlayFile : " + file) << commands;
  }
}

TEST(Module, StatusQueriesLeaveTheTagBlockOfPStanding) {
  // The program empties its tag fields for every line that begins with "TAG :", so
  // only the reply to "P" may carry one among the seven status queries.
  Module module(SmallLibrary());
  for (const char query : std::string("SRLPtT@")) {
    for (const std::string& line : Lines(module.Handle(query, 0))) {
      if (query != 'P') {
        EXPECT_NE(line.rfind("TAG :", 0), 0u) << query << ": " << line;
      }
    }
  }
}

TEST(Module, FirmwareBlockOpensWithItsHeaderAndEndsWithAnEmptyLine) {
  Module module(SmallLibrary());
  const std::vector<std::string> lines = Lines(module.Handle('@', 0));
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines.front(), "===== Firmware Information =====");
  EXPECT_EQ(lines.back(), "");
  for (std::size_t i = 1; i + 1 < lines.size(); ++i) EXPECT_FALSE(lines[i].empty()) << i;
}

TEST(Module, ResetReturnsToTheFirstSongStoppedWithDefaults) {
  Module module(SmallLibrary());
  Send(module, "vbsslrr", 0);
  const std::vector<std::string> banner = Lines(module.Handle('!', 0));
  ASSERT_FALSE(banner.empty());
  EXPECT_EQ(banner.back(), "Stopped");
  const ModuleStatus status = module.Status();
  EXPECT_EQ(status.song->display_path, "A/1.s98");
  EXPECT_EQ(status.play, PlayState::kStopped);
  EXPECT_EQ(status.speed, "1x");
  EXPECT_EQ(status.loop, "1");
  EXPECT_EQ(status.repeat, "None");
  EXPECT_EQ(status.position_ms, 0);
}

TEST(Module, PlayTimeRunsOnlyWhilePlayingAtTheChosenSpeed) {
  Module module(SmallLibrary());  // each song is one second long
  module.Handle('b', 1000);
  EXPECT_EQ(module.Handle('T', 1300), "PlayTime : 00:00 / 00:01\r\n");
  EXPECT_EQ(module.Status().position_ms, 300);
  module.Handle('p', 1300);
  module.Handle('S', 5000);
  EXPECT_EQ(module.Status().position_ms, 300);  // paused
  module.Handle('p', 5000);
  module.Handle('s', 5000);  // 2x
  module.Handle('S', 5100);
  EXPECT_EQ(module.Status().position_ms, 500);
  module.Handle('S', 9000);
  EXPECT_EQ(module.Status().position_ms, 1000);  // stops at the end of the song
  module.Handle('c', 9000);
  EXPECT_EQ(module.Status().position_ms, 0);
  EXPECT_EQ(module.Status().play, PlayState::kPlaying);
}

TEST(Module, MovesOnByItselfWithFileLineAndTagBlock) {
  Module module(SmallLibrary());
  const std::vector<std::string> lines = Lines(module.MoveOnByItself(0));
  EXPECT_EQ(lines, (std::vector<std::string>{"PlayFile : A/2.s98", "TAG : [S98]", ""}));
  EXPECT_EQ(module.Status().song->display_path, "A/2.s98");
  EXPECT_EQ(module.Status().commands, 0u);
}

TEST(Module, EmptyLibraryReportsNoFile) {
  Module module(Library{});
  EXPECT_EQ(module.Handle('c', 0), "PlayFile : None\r\n");
  EXPECT_EQ(module.Handle('v', 0), "PlayFile : None\r\n");
  EXPECT_EQ(module.Handle('P', 0), "PlayFile : None\r\nTAG : [S98]\r\n\r\n");
  EXPECT_EQ(module.Handle('T', 0), "PlayTime : 00:00 / 00:00\r\n");
  EXPECT_EQ(module.Handle('*', 0), "OK\r\n");
}

}  // namespace
}  // namespace tonquil::emu
