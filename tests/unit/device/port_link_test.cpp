#include "device/port_link.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "device/port_names.h"
#include "fakes/fake_comm_api.h"

namespace tonquil {
namespace {

using ::testing::ElementsAre;
using testing::FakeCommApi;

class PortLinkTest : public ::testing::Test {
 protected:
  PortLinkTest() {
    api.existing = {u"\\\\.\\COM3", u"\\\\.\\COM12"};
  }
  FakeCommApi api;
  PortLink link{api};
};

TEST_F(PortLinkTest, OpensThroughTheDevicePathAndAppliesTheLineSettings) {
  ASSERT_TRUE(link.OpenPort(u"COM12"));
  EXPECT_THAT(api.calls, ElementsAre("open \\\\.\\COM12", "configure 7 baud=230400 parity=N data=8 stop=1"));
  EXPECT_EQ(link.PortHandle(), 7u);
  EXPECT_EQ(link.HeldPortName(), u"COM12");
}

TEST_F(PortLinkTest, FailedOpensLeaveNoPortHeld) {
  EXPECT_FALSE(link.OpenPort(u""));
  EXPECT_FALSE(link.OpenPort(u"COM4"));
  EXPECT_FALSE(link.HoldsPort());
  EXPECT_THAT(api.calls, ElementsAre("open \\\\.\\", "open \\\\.\\COM4"));
}

TEST_F(PortLinkTest, OpenWhileHoldingAPortRefusesAndKeepsTheHeldOne) {
  ASSERT_TRUE(link.OpenPort(u"COM3"));
  api.calls.clear();
  EXPECT_FALSE(link.OpenPort(u"COM12"));
  EXPECT_TRUE(api.calls.empty()) << "no second handle may be opened";
  EXPECT_EQ(link.PortHandle(), 7u);
}

TEST_F(PortLinkTest, CloseReleasesTheHandleOnlyWhenClosingWorked) {
  EXPECT_FALSE(link.ClosePort()) << "nothing held";
  ASSERT_TRUE(link.OpenPort(u"COM3"));
  api.fail_close = true;
  EXPECT_FALSE(link.ClosePort());
  EXPECT_EQ(link.PortHandle(), 7u);
  api.fail_close = false;
  EXPECT_TRUE(link.ClosePort());
  EXPECT_FALSE(link.HoldsPort());
  EXPECT_EQ(link.HeldPortName(), u"");
}

TEST_F(PortLinkTest, ALinkGoingAwayClosesThePortItHoldsAndNothingElse) {
  {
    PortLink idle(api);
    PortLink holding(api);
    ASSERT_TRUE(holding.OpenPort(u"COM3"));
    api.calls.clear();
  }
  EXPECT_THAT(api.calls, ElementsAre("close 7"));
}

TEST_F(PortLinkTest, WritePutsTheCommandAloneOnTheLineThenPauses) {
  ASSERT_TRUE(link.OpenPort(u"COM3"));
  api.calls.clear();
  link.WriteCommand("c");
  EXPECT_THAT(api.calls, ElementsAre("write 63", "sleep 100"));
  EXPECT_EQ(api.written[7], "c");
}

TEST_F(PortLinkTest, WriteWithoutAPortStillPauses) {
  link.WriteCommand("b");
  EXPECT_THAT(api.calls, ElementsAre("write 62", "sleep 100"));
}

TEST_F(PortLinkTest, ReadTakesExactlyWhatWaitsThenPauses) {
  ASSERT_TRUE(link.OpenPort(u"COM3"));
  api.input[u"\\\\.\\COM3"] = "Playing\r\n";
  api.calls.clear();
  EXPECT_EQ(link.ReadReply(), "Playing\r\n");
  EXPECT_THAT(api.calls, ElementsAre("waiting", "read 9", "sleep 100"));
}

TEST_F(PortLinkTest, LaterBytesComeWithTheNextRead) {
  ASSERT_TRUE(link.OpenPort(u"COM3"));
  api.input[u"\\\\.\\COM3"] = "Play";
  EXPECT_EQ(link.ReadReply(), "Play");
  api.input[u"\\\\.\\COM3"] += "ing\r\nPaused";
  EXPECT_EQ(link.ReadReply(), "ing\r\nPaused");
}

TEST_F(PortLinkTest, EmptyReadsReturnAtOnceWithoutPauseOrRead) {
  ASSERT_TRUE(link.OpenPort(u"COM3"));
  api.calls.clear();
  EXPECT_EQ(link.ReadReply(), "");
  api.fail_status = true;
  EXPECT_EQ(link.ReadReply(), "");
  EXPECT_THAT(api.calls, ElementsAre("waiting", "waiting"));
}

TEST_F(PortLinkTest, ReadWithoutAPortReadsNothing) {
  EXPECT_EQ(link.ReadReply(), "");
  EXPECT_THAT(api.calls, ElementsAre("waiting"));
}

TEST_F(PortLinkTest, AZeroByteEndsTheText) {
  ASSERT_TRUE(link.OpenPort(u"COM3"));
  api.input[u"\\\\.\\COM3"] = std::string("OK\0junk", 7);
  EXPECT_EQ(link.ReadReply(), "OK");
  EXPECT_EQ(link.ReadReply(), "") << "the bytes after the zero were consumed by that read";
}

TEST(PortNames, ListCom1ToCom50InOrder) {
  const auto names = PortNames();
  ASSERT_EQ(names.size(), 50u);
  EXPECT_EQ(names.front(), u"COM1");
  EXPECT_EQ(names[9], u"COM10");
  EXPECT_EQ(names.back(), u"COM50");
}

}  // namespace
}  // namespace tonquil
