// The now-playing notice, received by stand-in messenger windows (fake_messenger.exe)
// that log every WM_COPYDATA: published after each song's tags when the option was on
// at start, withdrawn at exit, and never allowed to hold the program.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "harness/options_dialog.h"
#include "harness/tonquil_test.h"
#include "harness/utf16_file.h"
#include "harness/wait_until.h"
#include "harness/wine_env.h"

namespace tonquil::e2e {
namespace {

constexpr milliseconds kReadyTimeout{20000};
constexpr milliseconds kLogTimeout{10000};
constexpr int kStatusQueryCount = 7;
const std::string kMessengerClass = "MsnMsgrUIManager";

std::string FakeMessengerPath() {
  // Built beside the driver, in the Windows build's tools folder.
  return (std::filesystem::path(DriverExePath()).parent_path().parent_path() / "fake_messenger" /
          "fake_messenger.exe")
      .string();
}

// A Unix path as the Windows programs of the prefix name it.
std::string WinePath(const std::string& unix_path) { return "Z:" + unix_path; }

// One stand-in messenger: a hidden window of the messenger's class whose log lines
// read "NAME wParam=W dwData=D cbData=N bytes=HEX".
class FakeMessenger {
 public:
  FakeMessenger(const TempDir& folder, const std::string& name, const std::string& log, bool hang = false)
      : output_(folder.File("messenger-" + name + ".out")), stop_file_(folder.File("messenger-" + name + ".stop")) {
    std::vector<std::string> args = {"--log", WinePath(log), "--name", name, "--stop-file", WinePath(stop_file_),
                                     "--lifetime-ms", "120000"};
    if (hang) args.push_back("--hang");
    process_ = std::make_unique<ChildProcess>(WineCommand(FakeMessengerPath(), args), output_);
    if (!WaitUntil([&] { return ReadWholeFile(output_).find("ready") != std::string::npos; }, kReadyTimeout)) {
      throw std::runtime_error("fake_messenger " + name + " did not get ready: " + ReadWholeFile(output_));
    }
  }
  // The stop file ends even a messenger that hangs in a message.
  ~FakeMessenger() {
    WriteWholeFile(stop_file_, "");
    process_->WaitExit(milliseconds(5000));
    process_->Stop(milliseconds(0));
  }
  FakeMessenger(const FakeMessenger&) = delete;
  FakeMessenger& operator=(const FakeMessenger&) = delete;

 private:
  std::string output_;
  std::string stop_file_;
  std::unique_ptr<ChildProcess> process_;
};

std::string Hex(const std::string& bytes) {
  static const char digits[] = "0123456789abcdef";
  std::string hex;
  for (const char byte : bytes) {
    const auto value = static_cast<unsigned char>(byte);
    hex += digits[value >> 4];
    hex += digits[value & 15];
  }
  return hex;
}

// The notice's eight fields, each followed by a backslash and a zero (two characters).
std::string NoticeText(bool enabled, const std::string& text1, const std::string& text2) {
  const std::string end = "\\0";
  return "TNQL" + end + "Music" + end + (enabled ? "1" : "0") + end + "TNQL: {0} - {1}" + end + text1 + end + text2 +
         end + end + end;
}

// The log line a messenger writes for the notice: the UTF-16LE text and one NUL.
std::string NoticeLine(const std::string& name, const std::string& notice_text) {
  const std::string bytes = Utf16FileBytes(notice_text).substr(2) + std::string(2, '\0');
  return name + " wParam=0 dwData=1351 cbData=" + std::to_string(bytes.size()) + " bytes=" + Hex(bytes);
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  std::string line;
  while (std::getline(stream, line)) lines.push_back(line);
  return lines;
}

class Messenger : public TonquilTest {
 protected:
  std::string LogPath() const { return folder_.File("messengers.log"); }
  std::vector<std::string> LogLines() const { return Lines(ReadWholeFile(LogPath())); }
  bool WaitLogLines(size_t count) {
    return WaitUntil([&] { return LogLines().size() >= count; }, kLogTimeout);
  }
  std::unique_ptr<FakeMessenger> StartMessenger(const std::string& name, bool hang = false) {
    return std::make_unique<FakeMessenger>(folder_, name, LogPath(), hang);
  }

  // The messengers' names in the order in which top-level windows are enumerated.
  std::vector<std::string> EnumerationOrder() {
    std::vector<std::string> names;
    for (const Record& window : driver_.Run({"windows"})) {
      if (window.Text("class") == kMessengerClass) names.push_back(window.Text("text"));
    }
    return names;
  }
  // The same notice to every messenger, in enumeration order.
  static std::vector<std::string> ToEach(const std::vector<std::string>& names, const std::string& notice_text) {
    std::vector<std::string> lines;
    for (const std::string& name : names) lines.push_back(NoticeLine(name, notice_text));
    return lines;
  }
  static void Append(std::vector<std::string>& lines, const std::vector<std::string>& more) {
    lines.insert(lines.end(), more.begin(), more.end());
  }

  void StartWithMessengerOption(const std::string& msn_line) {
    LinkEmulator(7);
    app_.WriteIni(CrLfLines({"[Option]", "ComPort=COM7", msn_line}));
    StartTonquil();
  }
  bool WaitReads(size_t count) {
    return WaitUntil([&] { return emulator_->Reads().size() >= count; }, kLogTimeout);
  }
};

const std::string kWithdrawal = NoticeText(false, "", "");

TEST_F(Messenger, EachSongGoesToEveryMessengerInOrderAndTheExitWithdrawsIt) {
  const auto first = StartMessenger("A");
  const auto second = StartMessenger("B");
  StartWithMessengerOption("MSN=1");
  const std::vector<std::string> order = EnumerationOrder();
  ASSERT_EQ(order.size(), 2u);

  std::vector<std::string> expected;
  ASSERT_TRUE(driver_.Click(kMainClass, "Open"));
  Append(expected, ToEach(order, NoticeText(true, "夜明けのテーマ", "霧島 遥")));
  ASSERT_TRUE(WaitLogLines(expected.size()));
  EXPECT_EQ(LogLines(), expected) << "the first song, from Open's status queries";

  // The next folder's first song, then the third folder's, which has a title only.
  ASSERT_TRUE(driver_.Click(kMainClass, "Dir+"));
  Append(expected, ToEach(order, NoticeText(true, "タイトル画面", "三枝 律")));
  ASSERT_TRUE(driver_.Click(kMainClass, "Dir+"));
  Append(expected, ToEach(order, NoticeText(true, "サウンドテスト", "")));
  ASSERT_TRUE(WaitLogLines(expected.size()));
  EXPECT_EQ(LogLines(), expected);

  EXPECT_EQ(CloseTonquil(), 0);
  Append(expected, ToEach(order, kWithdrawal));
  ASSERT_TRUE(WaitLogLines(expected.size()));
  EXPECT_EQ(LogLines(), expected);
  EXPECT_NE(LogLines().back().find(" cbData=84 "), std::string::npos) << "41 characters and a NUL";
}

TEST_F(Messenger, OffAtStartSendsNothingEvenWhenTickedDuringTheRun) {
  const auto messenger = StartMessenger("A");
  StartWithMessengerOption("MSN=0");
  ASSERT_TRUE(driver_.Click(kMainClass, "Open"));
  ASSERT_TRUE(WaitReads(kStatusQueryCount));

  OpenOptionsDialog(driver_);
  driver_.Run({"check", kOptionClass, "Liveメッセンジャーへ再生曲情報を送信する (要再起動)", "1"});
  CloseOptionsDialog(driver_);
  ASSERT_TRUE(driver_.Click(kMainClass, ">|"));
  ASSERT_TRUE(WaitReads(kStatusQueryCount + 2));
  ASSERT_TRUE(WaitForField(kMainClass, "edit", 72, 296, "text", "草原を駆けて")) << "the next song's tags were parsed";
  EXPECT_EQ(CloseTonquil(), 0);

  EXPECT_TRUE(LogLines().empty()) << ReadWholeFile(LogPath());
  EXPECT_NE(Utf16FileText(app_.IniBytes()).find("\r\nMSN=1\r\n"), std::string::npos) << "the ticked box is saved";
}

TEST_F(Messenger, AHungMessengerDoesNotHoldTheProgram) {
  const auto normal = StartMessenger("N");
  const auto hung = StartMessenger("H", true);
  StartWithMessengerOption("MSN=1");
  const std::vector<std::string> order = EnumerationOrder();
  ASSERT_EQ(order, (std::vector<std::string>{"H", "N"})) << "the hung one must come first to matter";

  const auto started = std::chrono::steady_clock::now();
  ASSERT_TRUE(driver_.Click(kMainClass, "Open"));
  const auto open_time = std::chrono::steady_clock::now() - started;
  // Seven exchanges of about 0.2 s and one unanswered send of at most a second.
  EXPECT_LT(open_time, std::chrono::seconds(6));
  const std::string notice = NoticeText(true, "夜明けのテーマ", "霧島 遥");
  ASSERT_TRUE(WaitLogLines(2));
  EXPECT_EQ(LogLines(), ToEach(order, notice)) << "the hung one logged it before it stopped answering";
  EXPECT_TRUE(DumpMain().At("button", 376, 8).Flag("effective")) << "the port is open";

  EXPECT_EQ(CloseTonquil(), 0);
  ASSERT_TRUE(WaitLogLines(3));
  EXPECT_EQ(LogLines().back(), NoticeLine("N", kWithdrawal));
}

}  // namespace
}  // namespace tonquil::e2e
