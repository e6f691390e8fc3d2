#include "device/module_search.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fakes/fake_comm_api.h"
#include "text/utf8.h"

namespace tonquil {
namespace {

using ::testing::ElementsAre;
using testing::FakeCommApi;

std::u16string Path(const std::u16string& port) { return u"\\\\.\\" + port; }

// Answers the question as told and records every box in the order shown.
class RecordingPrompt : public SearchPrompt {
 public:
  explicit RecordingPrompt(bool answer_yes) : answer_yes_(answer_yes) {}
  bool ConfirmSearch() override {
    boxes.push_back("question");
    return answer_yes_;
  }
  void ReportFound(const std::u16string& port) override { boxes.push_back("found " + Utf16ToUtf8(port)); }
  void ReportNotFound() override { boxes.push_back("not found"); }

  std::vector<std::string> boxes;

 private:
  bool answer_yes_;
};

class ModuleSearchTest : public ::testing::Test {
 protected:
  // A port that exists and has `answer` waiting for the probe.
  void Attach(const std::u16string& port, const std::string& answer) {
    api.existing.insert(Path(port));
    api.input[Path(port)] = answer;
  }
  std::optional<std::u16string> Search(const std::u16string& skip_port = u"") {
    return SearchForModule(probe, skip_port, prompt);
  }
  std::size_t Opens(const std::u16string& port) const {
    return static_cast<std::size_t>(
        std::count(api.calls.begin(), api.calls.end(), "open " + Utf16ToUtf8(Path(port))));
  }

  FakeCommApi api;
  PortLink probe{api};
  RecordingPrompt prompt{true};
};

TEST_F(ModuleSearchTest, AnsweringNoTouchesNoPort) {
  Attach(u"COM1", "OK\r\n");
  RecordingPrompt no{false};
  EXPECT_EQ(SearchForModule(probe, u"", no), std::nullopt);
  EXPECT_THAT(no.boxes, ElementsAre("question"));
  EXPECT_TRUE(api.calls.empty());
}

TEST_F(ModuleSearchTest, ProbesLowerPortsFirstAndStopsAtTheModule) {
  Attach(u"COM1", "");
  Attach(u"COM3", "OK\r\n");
  Attach(u"COM4", "OK\r\n");
  EXPECT_EQ(Search(), u"COM3");
  EXPECT_THAT(prompt.boxes, ElementsAre("question", "found COM3"));
  const std::string configure = "configure 7 baud=230400 parity=N data=8 stop=1";
  EXPECT_THAT(api.calls, ElementsAre(
      // COM1 exists and stays silent: no read, no pause after the empty status.
      "open \\\\.\\COM1", configure, "write 2a", "sleep 100", "waiting", "close 7", "sleep 100",
      // COM2 does not exist: no pause at all.
      "open \\\\.\\COM2",
      "open \\\\.\\COM3", "configure 8 baud=230400 parity=N data=8 stop=1", "write 2a", "sleep 100", "waiting",
      "read 4", "sleep 100", "close 8", "sleep 100"));
  EXPECT_EQ(Opens(u"COM4"), 0u) << "a higher port is never tried once one answered";
  EXPECT_FALSE(probe.HoldsPort());
}

TEST_F(ModuleSearchTest, AnswersThatDoNotBeginWithUpperCaseOkFail) {
  for (const std::string answer : {"ok\r\n", "*OK\r\n", "O", "\r\nOK\r\n", "", " OK", "Ok"}) {
    SCOPED_TRACE(answer);
    FakeCommApi silent_api;
    silent_api.existing = {Path(u"COM2")};
    silent_api.input[Path(u"COM2")] = answer;
    PortLink link{silent_api};
    RecordingPrompt recorder{true};
    EXPECT_EQ(SearchForModule(link, u"", recorder), std::nullopt);
    EXPECT_THAT(recorder.boxes, ElementsAre("question", "not found"));
    EXPECT_FALSE(link.HoldsPort());
  }
}

TEST(PresenceAnswer, WhateverFollowsOkIsIgnored) {
  for (const std::string answer : {"OK", "OK\r\n", "OKAY", "OK*garbage\r\nPlaying"}) {
    SCOPED_TRACE(answer);
    EXPECT_TRUE(IsPresenceAnswer(answer));
  }
  EXPECT_FALSE(IsPresenceAnswer(std::string("O\0K", 3)));
}

TEST_F(ModuleSearchTest, FindsAModuleOnTheLastPort) {
  Attach(u"COM50", "OK\r\n");
  EXPECT_EQ(Search(), u"COM50");
  EXPECT_THAT(prompt.boxes, ElementsAre("question", "found COM50"));
  EXPECT_EQ(Opens(u"COM1"), 1u);
  EXPECT_EQ(Opens(u"COM50"), 1u);
  EXPECT_EQ(Opens(u"COM51"), 0u);
}

TEST_F(ModuleSearchTest, NoModuleTriesEveryPortOnceAndPausesOnlyForPortsThatOpened) {
  Attach(u"COM7", "Playing\r\n");
  EXPECT_EQ(Search(), std::nullopt);
  EXPECT_THAT(prompt.boxes, ElementsAre("question", "not found"));
  EXPECT_EQ(std::count_if(api.calls.begin(), api.calls.end(),
                          [](const std::string& call) { return call.rfind("open ", 0) == 0; }),
            50);
  EXPECT_EQ(std::count(api.calls.begin(), api.calls.end(), "sleep 100"), 3) << "write, read, close of COM7";
  EXPECT_FALSE(probe.HoldsPort());
}

TEST_F(ModuleSearchTest, ThePortHeldByTheMainWindowIsSkippedAndKeepsItsHandle) {
  Attach(u"COM3", "OK\r\n");
  Attach(u"COM5", "OK\r\n");
  PortLink main_link{api};
  ASSERT_TRUE(main_link.OpenPort(u"COM3"));
  const PortId main_handle = main_link.PortHandle();

  EXPECT_EQ(Search(u"COM3"), u"COM5");
  EXPECT_EQ(Opens(u"COM3"), 1u) << "only the main window's own open";
  EXPECT_EQ(main_link.PortHandle(), main_handle);
  EXPECT_EQ(main_link.HeldPortName(), u"COM3");
  EXPECT_EQ(std::count(api.calls.begin(), api.calls.end(), "close " + std::to_string(main_handle)), 0);
  EXPECT_FALSE(probe.HoldsPort());
}

TEST_F(ModuleSearchTest, AModuleOnlyOnTheHeldPortIsNotFound) {
  Attach(u"COM3", "OK\r\n");
  PortLink main_link{api};
  ASSERT_TRUE(main_link.OpenPort(u"COM3"));
  EXPECT_EQ(Search(u"COM3"), std::nullopt);
  EXPECT_THAT(prompt.boxes, ElementsAre("question", "not found"));
  EXPECT_EQ(Opens(u"COM3"), 1u);
  EXPECT_TRUE(main_link.HoldsPort());
}

}  // namespace
}  // namespace tonquil
