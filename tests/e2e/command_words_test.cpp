// Command words given to a new start: handed to the running copy, which carries each out
// as a click on its control would; the status as JSON; the exit codes; a start in the
// tray; and what another program's WM_COPYDATA can do (nothing).
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <string>
#include <vector>

#include "harness/file_guards.h"
#include "harness/json_reader.h"
#include "harness/linked_module_test.h"
#include "harness/wine_env.h"

namespace tonquil::e2e {
namespace {

class CommandWords : public LinkedModuleTest {
 protected:
  CommandResult Tonquil(const std::vector<std::string>& args) { return app_.RunToEnd(args); }
  // Runs the words and fails unless they end with the code.
  void ExpectCode(const std::vector<std::string>& args, int code) {
    const CommandResult result = Tonquil(args);
    EXPECT_EQ(result.exit_code, code) << args.front() << "\nstdout: " << result.out << "\nstderr: " << result.err;
  }
  std::string AllBytes() {
    std::string bytes;
    for (const std::string& read : emulator_->Reads()) bytes += read;
    return bytes;
  }
};

struct WordBytes {
  std::string word;
  std::string bytes;  // what the button of that name writes
};

const std::vector<WordBytes> kWordBytes = {
    {"/next", "cP"},    {"/prev", "xP"},   {"-play", "bP"},   {"--prevdir", "zP"},
    {"/NextDir", "vP"}, {"/pause", "p"},   {"/speed", "s"},   {"/LOOP", "l"},
    {"/repeat", "r"},   {"/reset", "!" + kStatusQueryBytes},
};

TEST_F(CommandWords, EachButtonWordWritesWhatItsButtonWritesAndTheDisplayFollows) {
  LinkModule();
  StartAndOpen();
  size_t done = BytesFrom(0, kStatusQueryBytes.size()).size();
  for (const WordBytes& word : kWordBytes) {
    ExpectCode({word.word}, 0);
    EXPECT_EQ(BytesFrom(done, word.bytes.size()), word.bytes) << word.word;
    done += word.bytes.size();
    EXPECT_EQ(Shown(), State()) << word.word;
  }
  EXPECT_EQ(AllBytes().size(), done) << "nothing more";
}

TEST_F(CommandWords, StatusIsOneLineOfJsonThatMatchesTheDisplay) {
  LinkModule();
  StartAndOpen();
  Press(">|");  // a song with its tags (Japanese among them) on the display
  const CommandResult result = Tonquil({"/status"});
  ASSERT_EQ(result.exit_code, 0) << result.err;
  ASSERT_FALSE(result.out.empty());
  EXPECT_EQ(result.out.find('\n'), result.out.size() - 1) << "one line: " << result.out;
  const std::map<std::string, std::string> status = ReadJsonObject(result.out.substr(0, result.out.size() - 1));

  const WindowDump main = DumpMain();
  EXPECT_EQ(status.at("port"), "COM7");
  EXPECT_EQ(status.at("open"), "true");
  EXPECT_EQ(status.at("lost"), "false");
  const Fields shown = ShownState(main);
  EXPECT_EQ(status.at("pause"), shown.at("play"));
  EXPECT_EQ(status.at("speed"), shown.at("speed"));
  EXPECT_EQ(status.at("loop"), shown.at("loop"));
  EXPECT_EQ(status.at("repeat"), shown.at("repeat"));
  EXPECT_EQ(status.at("file"), shown.at("path"));
  for (const std::string& key : kTagKeys) EXPECT_EQ(status.at("tags." + key), shown.at(key)) << key;
  EXPECT_EQ(status.at("firmware"), main.At("memo", 280, 280).Text("text"));
  EXPECT_EQ(status.size(), 9u + kTagKeys.size()) << "no other member";
  EXPECT_NE(status.at("tags.title"), "") << "a song is shown";
}

// Typed at a command prompt, the program has no standard handles of its own: it writes to
// the console of the prompt, in UTF-16, so that Japanese text shows whatever its code page.
TEST_F(CommandWords, StartedFromAConsoleTheyWriteToThatConsole) {
  LinkModule();
  StartAndOpen();
  Press(">|");
  // Only the console's lines: the driver's record of the end comes first.
  const auto console_run = [this](const std::string& word, std::vector<std::string>& lines) {
    const std::vector<Record> records = driver_.Run({"console-run", WindowsPathOf(app_.ExePath()), word});
    for (const Record& record : records) {
      if (record.kind() == "line") lines.push_back(record.Text("text"));
    }
    return records.front().Number("exit_code");
  };
  std::vector<std::string> usage;
  EXPECT_EQ(console_run("/help", usage), 0);
  ASSERT_FALSE(usage.empty());
  EXPECT_EQ(usage.front(), "Usage: Tonquil.exe [/word ...]");
  const auto names_status = [](const std::string& line) { return line.find("/status") != std::string::npos; };
  EXPECT_NE(std::find_if(usage.begin(), usage.end(), names_status), usage.end());

  std::vector<std::string> status;
  EXPECT_EQ(console_run("/status", status), 0);
  ASSERT_EQ(status.size(), 1u) << "one line";
  const std::map<std::string, std::string> members = ReadJsonObject(status.front());
  const Fields shown = ShownState(DumpMain());
  EXPECT_NE(shown.at("title"), "");
  EXPECT_EQ(members.at("tags.title"), shown.at("title")) << "Japanese text as the display shows it";
  EXPECT_EQ(members.at("tags.artist"), shown.at("artist"));
}

TEST_F(CommandWords, PortAndWindowWordsActAsTheirControls) {
  LinkModule();
  app_.WriteIni(CrLfLines({"[Option]", "ComPort=COM" + std::to_string(kCom)}));
  TonquilRun& run = StartTonquil();
  ExpectCode({"/close"}, 2);  // disabled: no port open
  ExpectCode({"/open", "/pause"}, 0);
  EXPECT_EQ(BytesFrom(0, kStatusQueryBytes.size() + 1), kStatusQueryBytes + "p");
  ExpectPortOpen(true);
  ExpectCode({"/open"}, 2);
  ExpectCode({"/close"}, 0);
  ExpectPortOpen(false);

  ExpectCode({"/tray"}, 0);
  EXPECT_TRUE(driver_.WaitWindow(kMainClass, "hidden", 10000));
  ExpectCode({"/show"}, 0);
  EXPECT_TRUE(driver_.WaitWindow(kMainClass, "visible", 10000));
  const std::string settings_before = app_.IniBytes();
  ExpectCode({"/exit"}, 0);
  EXPECT_EQ(run.WaitExit(milliseconds(15000)), 0);
  EXPECT_NE(app_.IniBytes(), settings_before) << "the close work saved the window's place";
}

TEST_F(CommandWords, AFailingWordStopsTheRest) {
  LinkModule();
  StartTonquil();  // no port open: the control panel and Close are disabled
  const CommandResult result = Tonquil({"/pause", "/status"});
  EXPECT_EQ(result.exit_code, 2);
  EXPECT_EQ(result.out, "") << "the status never ran";
  const CommandResult second = Tonquil({"/status", "/close", "/status"});
  EXPECT_EQ(second.exit_code, 2);
  EXPECT_EQ(std::count(second.out.begin(), second.out.end(), '\n'), 1) << "one status, then the stop: " << second.out;
  ExpectCode({"/status"}, 0);
  EXPECT_TRUE(emulator_->Reads().empty());
}

TEST_F(CommandWords, UnknownWordsEndWithThreeAndTheUsageBeforeAnythingRuns) {
  LinkModule();
  StartAndOpen();
  const size_t done = BytesFrom(0, kStatusQueryBytes.size()).size();
  for (const std::string bad : {"/nexx", "next", "", "/", "--", "/next=1"}) {
    const CommandResult result = Tonquil({"/pause", bad});
    EXPECT_EQ(result.exit_code, 3) << bad;
    EXPECT_NE(result.err.find("Usage: Tonquil.exe"), std::string::npos) << bad << ": " << result.err;
    EXPECT_EQ(result.out, "");
  }
  ExpectCode({"/speed"}, 0);  // the marker: the only byte after the opening
  EXPECT_EQ(BytesFrom(done, 1), "s");

  const CommandResult help = Tonquil({"-HELP"});
  EXPECT_EQ(help.exit_code, 0);
  EXPECT_NE(help.out.find("/status"), std::string::npos) << help.out;
}

TEST_F(CommandWords, WhileTheOptionsDialogIsUpOnlyStatusAndShowAct) {
  LinkModule();
  StartAndOpen();
  const size_t done = BytesFrom(0, kStatusQueryBytes.size()).size();
  OpenOptionsDialog(driver_);
  for (const std::string word : {"/next", "/pause", "/close", "/tray", "/exit"}) ExpectCode({word}, 2);
  ExpectCode({"/status"}, 0);
  ExpectCode({"/show"}, 0);
  EXPECT_TRUE(driver_.WaitWindow(kOptionClass, "visible", 1000)) << "the dialog stays";
  CloseOptionsDialog(driver_);
  ExpectCode({"/pause"}, 0);
  EXPECT_EQ(BytesFrom(done, 1), "p") << "nothing ran while the dialog was up";
  ExpectPortOpen(true);
}

TEST_F(CommandWords, WithNoCopyRunningOnlyStartWordsStartIt) {
  for (const std::string word : {"/next", "/status", "/exit", "/close"}) {
    const CommandResult result = Tonquil({word});
    EXPECT_EQ(result.exit_code, 4) << word;
  }
  const CommandResult mixed = Tonquil({"/tray", "/next"});
  EXPECT_EQ(mixed.exit_code, 4);
  EXPECT_TRUE(driver_.Try({"wait", kMainClass, "0"}).exit_code != 0) << "nothing started";
  EXPECT_FALSE(app_.IniExists());
}

TEST_F(CommandWords, TrayAndOpenStartItHiddenInTheTrayWithThePortOpen) {
  LinkModule();
  app_.WriteIni(CrLfLines({"[Option]", "ComPort=COM" + std::to_string(kCom)}));
  TonquilRun& run = app_.Launch({"/tray", "/open"});
  EXPECT_EQ(BytesFrom(0, kStatusQueryBytes.size()), kStatusQueryBytes) << "the port opened";
  ASSERT_TRUE(driver_.WaitWindow(kMainClass, "hidden", 10000));
  EXPECT_FALSE(run.WaitExit(milliseconds(0)).has_value());
  ExpectPortOpen(true);
  const CommandResult status = Tonquil({"/status"});
  EXPECT_NE(status.out.find(R"("open":true)"), std::string::npos) << status.out;

  TonquilRun& second = app_.Launch();
  EXPECT_EQ(second.WaitExit(milliseconds(15000)), 1) << "a start without words is refused as always";
  ExpectCode({"/show"}, 0);
  EXPECT_TRUE(driver_.WaitWindow(kMainClass, "visible", 10000));
  ExpectCode({"/exit"}, 0);
  EXPECT_EQ(run.WaitExit(milliseconds(15000)), 0);
}

TEST_F(CommandWords, AHungCopyEndsTheWaitWithFive) {
  const std::string log = folder_.File("stand-in.log");
  ChildProcess stand_in(WineCommand(DriverExePath(), {"stand-in", kMainClass, "30000"}), log);
  // Its record says the window is there; the driver's wait would ask the window for its
  // text, which it never answers.
  ASSERT_TRUE(WaitUntil([&] { return ReadWholeFile(log).find("stand-in") != std::string::npos; }, milliseconds(30000)));
  const auto started = std::chrono::steady_clock::now();
  const CommandResult result = Tonquil({"/pause"});
  const auto waited = std::chrono::steady_clock::now() - started;
  EXPECT_EQ(result.exit_code, 5);
  EXPECT_NE(result.err.find("not answering"), std::string::npos) << result.err;
  EXPECT_LT(waited, std::chrono::seconds(15));
}

TEST_F(CommandWords, AnotherProgramsCopyDataChangesNothing) {
  LinkModule();
  StartAndOpen();
  const size_t done = BytesFrom(0, kStatusQueryBytes.size()).size();
  const std::string tag = "0x4C514E54";
  const std::vector<std::vector<std::string>> foreign = {
      {"copydata", kMainClass, "0x1234", "pause"},       // a foreign tag
      {"copydata", kMainClass, "0", "pause"},            // no tag
      {"copydata", kMainClass, tag, "pause", "9"},       // an odd length
      {"copydata", kMainClass, tag, "pause", "0"},       // no bytes
      {"copydata", kMainClass, tag, "pause", "74"},      // longer than any word
      {"copydata", kMainClass, tag, "pausex"},           // no word
      {"copydata", kMainClass, tag, "/pause"},           // a start's form, not a request's
      {"copydata", kMainClass, tag, "help"},             // nothing to do for the running copy
  };
  for (const std::vector<std::string>& request : foreign) {
    const std::vector<Record> answer = driver_.Run(request);
    ASSERT_EQ(answer.size(), 1u);
    EXPECT_EQ(answer[0].Number("result"), 0) << request[2] << " " << request[3];
  }
  // The marker: the request as a command start makes it acts, and alone.
  const std::vector<Record> answer = driver_.Run({"copydata", kMainClass, tag, "PAUSE"});
  EXPECT_EQ(answer.at(0).Number("result"), 0x5400);
  EXPECT_EQ(BytesFrom(done, 1), "p");
  EXPECT_EQ(AllBytes().size(), done + 1);
  ExpectPortOpen(true);
}

}  // namespace
}  // namespace tonquil::e2e
