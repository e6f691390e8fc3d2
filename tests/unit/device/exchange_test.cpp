#include "device/exchange.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fakes/fake_comm_api.h"
#include "fakes/fake_report_targets.h"

namespace tonquil {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using testing::FakeCommApi;
using testing::FakeReportTargets;


const std::u16string kPort = u"\\\\.\\COM3";

// Latin-1, logging each line it is given as "decode <line>" in the shared call log: a
// reply's parse shows there line by line, and an empty reply has no lines.
class LoggingDecoder : public AnsiDecoder {
 public:
  explicit LoggingDecoder(std::vector<std::string>& log) : log_(log) {}
  void Decode(std::string_view bytes, std::u16string& text) const override {
    log_.push_back("decode " + std::string(bytes));
    Latin1Decoder().Decode(bytes, text);
  }

 private:
  std::vector<std::string>& log_;
};

class ExchangeTest : public ::testing::Test {
 protected:
  ExchangeTest() { api.existing = {kPort}; }

  void OpenPort() {
    ASSERT_TRUE(link.OpenPort(u"COM3"));
    api.calls.clear();
  }
  std::size_t CallsStartingWith(const std::string& word) const {
    return static_cast<std::size_t>(std::count_if(api.calls.begin(), api.calls.end(),
                                                   [&](const std::string& call) { return call.rfind(word, 0) == 0; }));
  }

  FakeCommApi api;
  PortLink link{api};
  FakeReportTargets display{api.calls};
  LoggingDecoder decoder{api.calls};
  Exchange exchange{link, decoder, display.Targets()};
};

TEST_F(ExchangeTest, NextSongExchangesCThenPEachWithItsOwnReadAndParse) {
  OpenPort();
  api.input[kPort] = "Playing\r\n";
  exchange.Run(ButtonAction::NextSong);
  EXPECT_THAT(api.calls, ElementsAre("write 63", "sleep 100", "waiting", "read 9", "sleep 100", "decode Playing",
                                     "L_Pause=Playing", "write 50", "sleep 100", "waiting"));
}

struct ActionCase {
  ButtonAction action;
  const char* written;
  std::size_t exchanges;
};

TEST_F(ExchangeTest, EachButtonWritesItsCommandsOneByOneAndReadsAfterEach) {
  const ActionCase cases[] = {
      {ButtonAction::NextSong, "cP", 2}, {ButtonAction::PrevSong, "xP", 2}, {ButtonAction::Play, "bP", 2},
      {ButtonAction::PrevDir, "zP", 2},  {ButtonAction::NextDir, "vP", 2},  {ButtonAction::Pause, "p", 1},
      {ButtonAction::Speed, "s", 1},     {ButtonAction::Loop, "l", 1},      {ButtonAction::Repeat, "r", 1},
      {ButtonAction::Reset, "!SRLPtT@", 8},
  };
  OpenPort();
  for (const ActionCase& c : cases) {
    api.calls.clear();
    api.written.clear();
    exchange.Run(c.action);
    EXPECT_EQ(api.written[7], c.written);
    EXPECT_EQ(CallsStartingWith("waiting"), c.exchanges) << c.written;
    EXPECT_EQ(CallsStartingWith("write"), c.exchanges) << "one byte per write: " << c.written;
  }
}

TEST_F(ExchangeTest, ResetParsesItsReplyThenEmptiesTheDisplayThenQueriesInOrder) {
  OpenPort();
  api.input[kPort] = "Stop";
  exchange.Run(ButtonAction::Reset);
  std::vector<std::string> expected = {"write 21", "sleep 100", "waiting",   "read 4", "sleep 100",
                                       "decode Stop", "L_Pause=Stop", "Tags{}", "M_Etc{}"};
  for (const char* query : {"53", "52", "4c", "50", "74", "54", "40"}) {
    expected.insert(expected.end(), {std::string("write ") + query, "sleep 100", "waiting"});
  }
  EXPECT_THAT(api.calls, ElementsAreArray(expected));
}

TEST_F(ExchangeTest, RefreshEmptiesTagsAndEtcButLeavesTheLabels) {
  OpenPort();
  display.status[StatusLabel::Speed] = u"2x";
  display.tags[TagField::Title] = u"Old";
  display.etc = {u"old firmware"};
  exchange.RefreshStatus();
  EXPECT_EQ(display.tags[TagField::Title], u"");
  EXPECT_TRUE(display.etc.empty());
  EXPECT_EQ(display.status[StatusLabel::Speed], u"2x");
  EXPECT_EQ(CallsStartingWith("waiting"), 7u);
}

TEST_F(ExchangeTest, LateOutputIsParsedAtTheFrontOfTheNextReply) {
  OpenPort();
  exchange.SendCommand("p");
  api.input[kPort] += "Paused\r\n";          // arrives after the first read
  api.input[kPort] += "PlaySpeed : 2x\r\n";  // the answer to the next command
  api.calls.clear();
  exchange.SendCommand("s");
  EXPECT_THAT(api.calls, ElementsAre("write 73", "sleep 100", "waiting", "read 24", "sleep 100",
                                     "decode Paused", "L_Pause=Paused", "decode PlaySpeed : 2x", "L_Speed=2x"));
}

TEST_F(ExchangeTest, WithoutAPortTheWriteFailsSilentlyAndTheEmptyReplyShowsNothing) {
  exchange.Run(ButtonAction::Pause);
  EXPECT_THAT(api.calls, ElementsAre("write 70", "sleep 100", "waiting"));
}

}  // namespace
}  // namespace tonquil
