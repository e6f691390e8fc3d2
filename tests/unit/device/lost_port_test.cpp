// A port whose device went away under the program (unplugged, switched off): the link
// notices it by a failed call, keeps the port as held, and the next button opens it
// again under the same name before it sends anything.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "device/exchange.h"
#include "device/module_search.h"
#include "fakes/fake_comm_api.h"
#include "fakes/fake_report_targets.h"

namespace tonquil {
namespace {

using ::testing::ElementsAre;
using testing::FakeCommApi;
using testing::FakeReportTargets;

const std::u16string kPath = u"\\\\.\\COM3";
constexpr PortId kFirst = 7;   // the fake's first handle
constexpr PortId kSecond = 8;  // and the one after it

class LostPort : public ::testing::Test {
 protected:
  LostPort() {
    api.existing = {kPath};
    EXPECT_TRUE(link.OpenPort(u"COM3"));
  }
  // The module goes; the next write finds out.
  void Unplug() {
    api.Unplug(kPath);
    link.WriteCommand("p");
    api.calls.clear();
    api.written.clear();
  }

  FakeCommApi api;
  PortLink link{api};
  FakeReportTargets display;
  Latin1Decoder decoder;
  Exchange exchange{link, decoder, display.Targets()};
};

TEST_F(LostPort, AFailedWriteOrStatusCallLosesThePortWhichStaysHeldUnderItsName) {
  api.Unplug(kPath);
  link.WriteCommand("c");
  EXPECT_TRUE(link.IsLost());
  EXPECT_TRUE(link.HoldsPort());
  EXPECT_EQ(link.HeldPortName(), u"COM3");

  PortLink other(api);
  api.Plug(kPath);
  ASSERT_TRUE(other.OpenPort(u"COM3"));
  api.fail_status = true;
  EXPECT_EQ(other.ReadReply(), "");
  EXPECT_TRUE(other.IsLost());
}

TEST_F(LostPort, FailuresWithoutAPortLoseNothing) {
  PortLink idle(api);
  api.fail_status = true;
  idle.WriteCommand("c");
  idle.ReadReply();
  EXPECT_FALSE(idle.IsLost());
  EXPECT_FALSE(idle.HoldsPort());
}

TEST_F(LostPort, AWorkingPortIsNeverReopened) {
  api.calls.clear();
  exchange.Run(ButtonAction::Pause);
  EXPECT_THAT(api.calls, ElementsAre("write 70", "sleep 100", "waiting"));
  EXPECT_FALSE(link.Reopen());
}

TEST_F(LostPort, TheNextButtonReopensTheSameNameSendsItsCommandsThenRefreshes) {
  Unplug();
  api.Plug(kPath);
  display.tags[TagField::Title] = u"Old title";
  display.etc = {u"old firmware"};
  exchange.Run(ButtonAction::NextSong);
  EXPECT_THAT(std::vector<std::string>(api.calls.begin(), api.calls.begin() + 3),
              ElementsAre("close 7", "open \\\\.\\COM3", "configure 8 baud=230400 parity=N data=8 stop=1"));
  EXPECT_EQ(api.written[kSecond], "cPSRLPtT@") << "the command as usual, then the status queries";
  EXPECT_EQ(api.written[kFirst], "") << "nothing more on the dead handle";
  EXPECT_EQ(display.tags[TagField::Title], u"") << "the refresh empties the tags";
  EXPECT_TRUE(display.etc.empty());
  EXPECT_FALSE(link.IsLost());
  EXPECT_EQ(link.PortHandle(), kSecond);
}

TEST_F(LostPort, ResetAfterAReopenRefreshesOnce) {
  Unplug();
  api.Plug(kPath);
  exchange.Run(ButtonAction::Reset);
  EXPECT_EQ(api.written[kSecond], "!SRLPtT@");
}

TEST_F(LostPort, WhileUnpluggedAButtonSendsNothingAndTheNextOneAfterThePlugWorks) {
  Unplug();
  exchange.Run(ButtonAction::NextSong);
  EXPECT_THAT(api.calls, ElementsAre("close 7", "open \\\\.\\COM3", "write 63", "sleep 100", "waiting", "write 50",
                                     "sleep 100", "waiting"))
      << "the pauses as on a dead line, and no status refresh";
  EXPECT_EQ(api.written[kFirst], "") << "the dead handle is let go before anything is written";
  EXPECT_TRUE(link.IsLost());
  EXPECT_TRUE(link.HoldsPort());

  api.calls.clear();
  exchange.Run(ButtonAction::Pause);
  EXPECT_THAT(api.calls, ElementsAre("open \\\\.\\COM3", "write 70", "sleep 100", "waiting"))
      << "each command tries again; the handle was let go already";

  api.Plug(kPath);
  exchange.Run(ButtonAction::PrevSong);
  EXPECT_EQ(api.written[kSecond], "xPSRLPtT@");
}

TEST_F(LostPort, CloseEndsALostPortEvenWhenItsDeadHandleWillNotClose) {
  Unplug();
  api.fail_close = true;
  EXPECT_TRUE(link.ClosePort());
  EXPECT_FALSE(link.HoldsPort());
  EXPECT_FALSE(link.IsLost());
  EXPECT_EQ(link.HeldPortName(), u"");
  api.fail_close = false;
  api.Plug(kPath);
  EXPECT_FALSE(link.Reopen()) << "a closed port is not brought back";
  EXPECT_TRUE(link.OpenPort(u"COM3"));
}

TEST_F(LostPort, CloseAfterAFailedReopenClosesNothingMore) {
  Unplug();
  EXPECT_FALSE(link.Reopen());
  api.calls.clear();
  EXPECT_TRUE(link.ClosePort());
  EXPECT_TRUE(api.calls.empty());
  EXPECT_FALSE(link.HoldsPort());
}

TEST_F(LostPort, OpenIsRefusedWhileAPortIsLost) {
  Unplug();
  EXPECT_FALSE(link.Reopen()) << "still unplugged: the dead handle is let go, the port stays lost";
  api.existing.insert(u"\\\\.\\COM4");
  EXPECT_FALSE(link.OpenPort(u"COM4"));
  EXPECT_EQ(link.HeldPortName(), u"COM3");
}

class NoQuestions : public SearchPrompt {
 public:
  bool ConfirmSearch() override { return true; }
  void ReportFound(const std::u16string&) override {}
  void ReportNotFound() override {}
};

TEST_F(LostPort, TheSearchNeverProbesTheLostPortsName) {
  Unplug();
  api.Plug(kPath);
  api.input[kPath] = "OK\r\n";
  PortLink probe(api);
  NoQuestions prompt;
  EXPECT_EQ(SearchForModule(probe, link.HeldPortName(), prompt), std::nullopt);
  for (const std::string& call : api.calls) EXPECT_NE(call, "open \\\\.\\COM3");
}

}  // namespace
}  // namespace tonquil
