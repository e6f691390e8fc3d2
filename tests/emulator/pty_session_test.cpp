// The program itself, driven through the pseudo-terminal behind its link.
#include <gtest/gtest.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "cp932.h"
#include "emulator_process.h"
#include "temp_dir.h"

namespace tonquil::emu {
namespace {

using testing::EmulatorProcess;
using testing::SerialEnd;
using testing::TempDir;

constexpr int kReadyMs = 5000;  // start-up under the sanitizers
constexpr int kReplyMs = 1000;

const std::string kFirstSong =
    "PlayFile : 01_Arcade/01_opening.s98\r\nTAG : [S98]\r\n" +
    Utf8ToCp932("title=夜明けのテーマ\r\nartist=霧島 遥\r\ngame=星の航路\r\nyear=1989\r\n"
                "genre=ゲーム音楽\r\ncomment=オープニング ♪\r\ncopyright=(C) 1989 星空ワークス\r\n"
                "s98by=Tonquil demo generator\r\nsystem=Kestrel 88\r\n\r\n");

std::string ReadText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> LogBytes(const std::filesystem::path& path) {
  std::vector<std::string> bytes;
  std::istringstream lines(ReadText(path));
  for (std::string line; std::getline(lines, line);) bytes.push_back(line.substr(line.find(' ') + 1));
  return bytes;
}

class PtySession : public ::testing::Test {
 protected:
  std::string Link() const { return (dir_.path() / "com3").string(); }

  // Starts the program with --link and extra options, and opens the link.
  void Start(std::vector<std::string> options) {
    options.insert(options.begin(), {"--link", Link()});
    process_ = std::make_unique<EmulatorProcess>(options);
    tty_ = process_->WaitReady(kReadyMs);
    ASSERT_FALSE(tty_.empty()) << "no ready line";
    line_ = std::make_unique<SerialEnd>(Link());
    ASSERT_TRUE(line_->is_open());
  }

  void StopAndExpectCleanExit() {
    line_.reset();
    process_->Signal(SIGTERM);
    EXPECT_EQ(process_->WaitExit(kReadyMs), 0);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(Link())));
  }

  TempDir dir_;
  std::unique_ptr<EmulatorProcess> process_;
  std::unique_ptr<SerialEnd> line_;
  std::string tty_;
};

TEST_F(PtySession, AnswersSongReportAndProbeAndLogsEachByte) {
  const auto log = dir_.path() / "line.log";
  const auto state = dir_.path() / "state";
  Start({"--log", log.string(), "--state", state.string()});
  EXPECT_EQ(std::filesystem::read_symlink(Link()), tty_);

  line_->Write("P");
  EXPECT_EQ(line_->ReadUntil("\r\n\r\n", kReplyMs), kFirstSong);
  line_->Write("*");
  EXPECT_EQ(line_->ReadUntil("\r\n", kReplyMs), "OK\r\n");
  line_->Write("c");
  EXPECT_EQ(line_->ReadUntil("\r\n", kReplyMs), "PlayFile : 01_Arcade/02_stage1.s98\r\n");
  EXPECT_EQ(line_->ReadFor(50), "");

  EXPECT_EQ(LogBytes(log), (std::vector<std::string>{"50", "2a", "63"}));
  const std::string status = ReadText(state);
  EXPECT_NE(status.find("path=01_Arcade/02_stage1.s98\n"), std::string::npos) << status;
  EXPECT_NE(status.find("title=草原を駆けて\n"), std::string::npos) << status;
  EXPECT_NE(status.find("commands=3\n"), std::string::npos) << status;
  StopAndExpectCleanExit();
}

TEST_F(PtySession, ReplacesAStaleLinkAndServesALibraryFolder) {
  std::filesystem::create_symlink("/nonexistent/pts/99", Link());
  const auto library = dir_.path() / "library";
  EmulatorProcess demo({"--make-demo", library.string()});
  ASSERT_EQ(demo.WaitExit(kReadyMs), 0);
  Start({"--library", library.string()});
  EXPECT_EQ(std::filesystem::read_symlink(Link()), tty_);
  line_->Write("x");
  EXPECT_EQ(line_->ReadUntil("\r\n", kReplyMs), Utf8ToCp932("PlayFile : 03_Misc/02_夏の海.s98\r\n"));
  StopAndExpectCleanExit();
}

TEST_F(PtySession, ReportsTheNextSongUnpromptedOnSigusr1) {
  Start({});
  process_->Signal(SIGUSR1);
  const std::string report = line_->ReadUntil("\r\n\r\n", kReplyMs);
  EXPECT_EQ(report.rfind("PlayFile : 01_Arcade/02_stage1.s98\r\nTAG : [S98]\r\n", 0), 0u) << report;
  StopAndExpectCleanExit();
}

TEST_F(PtySession, DelayedSplitLfCrRepliesArriveLateAndAltered) {
  Start({"--delay-ms", "150", "--split", "2", "--lfcr"});
  line_->Write("*");
  EXPECT_EQ(line_->ReadFor(100), "");  // nothing within the program's pause
  EXPECT_EQ(line_->ReadUntil("\n\r", kReplyMs), "OK\n\r");
  StopAndExpectCleanExit();
}

TEST_F(PtySession, SilentModuleLogsButNeverAnswers) {
  const auto log = dir_.path() / "line.log";
  Start({"--silent", "--log", log.string()});
  line_->Write("*");
  EXPECT_EQ(line_->ReadFor(200), "");
  EXPECT_EQ(LogBytes(log), (std::vector<std::string>{"2a"}));
  StopAndExpectCleanExit();
}

TEST_F(PtySession, BurstFollowsTheFirstSongReportOnly) {
  Start({"--burst", "4K", "--nul"});
  line_->Write("P");
  std::string reply;
  while (reply.size() < kFirstSong.size() + 1 + 4096) {
    const std::string more = line_->ReadFor(100);
    if (more.empty()) break;
    reply += more;
  }
  const std::size_t first_line_end = reply.find("\r\n") + 2;
  EXPECT_EQ(reply.size(), kFirstSong.size() + 1 + 4096);
  EXPECT_EQ(reply.substr(0, first_line_end + 1), kFirstSong.substr(0, first_line_end) + '\0');
  line_->Write("P");
  EXPECT_EQ(line_->ReadUntil("\r\n\r\n", kReplyMs).size(), kFirstSong.size() + 1);
  StopAndExpectCleanExit();
}

TEST_F(PtySession, LinkStaysUsableAfterTheFarEndClosesAndReopens) {
  Start({});
  line_.reset();
  line_ = std::make_unique<SerialEnd>(Link());
  ASSERT_TRUE(line_->is_open());
  line_->Write("*");
  EXPECT_EQ(line_->ReadUntil("\r\n", kReplyMs), "OK\r\n");
  StopAndExpectCleanExit();
}

}  // namespace
}  // namespace tonquil::emu
