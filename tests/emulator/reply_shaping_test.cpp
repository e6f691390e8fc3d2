#include "reply_shaping.h"

#include <gtest/gtest.h>

#include "byte_log.h"
#include "output_queue.h"

namespace tonquil::emu {
namespace {

std::string Joined(const std::vector<std::string>& pieces) {
  std::string all;
  for (const std::string& piece : pieces) all += piece;
  return all;
}

struct ShapeCase {
  const char* name;
  std::string reply;
  ReplyShape shape;
  std::string sent;
};

TEST(ReplyShaping, AltersTheBytesAsAsked) {
  const std::string reply = "PlayFile : A\r\nTAG : [S98]\r\n\r\n";
  const std::vector<ShapeCase> cases = {
      {"plain", reply, {}, reply},
      {"lfcr", reply, {true, false, 0, 0}, "PlayFile : A\n\rTAG : [S98]\n\r\n\r"},
      {"nul", reply, {false, true, 0, 0}, std::string("PlayFile : A\r\n\0TAG : [S98]\r\n\r\n", 30)},
      {"nul one line", "OK\r\n", {false, true, 0, 0}, std::string("OK\r\n\0", 5)},
      {"nul no line end", "OK", {false, true, 0, 0}, std::string("OK\0", 3)},
      {"nul and lfcr", "A\r\nB\r\n", {true, true, 0, 0}, std::string("A\n\r\0B\n\r", 7)},
      {"split", reply, {false, false, 4, 0}, reply},
      {"all", "OK\r\n", {true, true, 2, 0}, std::string("OK\n\r\0", 5)}};
  for (const ShapeCase& c : cases) {
    const std::vector<std::string> pieces = ShapeReply(c.reply, c.shape);
    EXPECT_EQ(Joined(pieces), c.sent) << c.name;
    if (c.shape.split == 0) {
      EXPECT_EQ(pieces.size(), 1u) << c.name;
    }
  }
}

TEST(ReplyShaping, SplitCutsPiecesOfTheGivenSizeInOrder) {
  const std::vector<std::string> pieces = ShapeReply("0123456789", {false, false, 4, 0});
  EXPECT_EQ(pieces, (std::vector<std::string>{"0123", "4567", "89"}));
  EXPECT_EQ(ShapeReply("OK\r\n", {false, false, 1, 0}).size(), 4u);
  EXPECT_EQ(ShapeReply("OK\r\n", {false, false, 100, 0}).size(), 1u);
}

TEST(ReplyShaping, CutKeepsTheFirstBytesAndHandsBackTheRest) {
  ReplyShape shape;
  shape.cut = 4;
  std::string reply = "PlayFile";
  EXPECT_EQ(CutReply(reply, shape), "File");
  EXPECT_EQ(reply, "Play");
  std::string short_reply = "OK\r\n";
  EXPECT_EQ(CutReply(short_reply, shape), "");
  EXPECT_EQ(short_reply, "OK\r\n");
}

TEST(ReplyShaping, EmptyReplySendsNothing) {
  EXPECT_TRUE(ShapeReply("", {true, true, 3, 0}).empty());
}

TEST(BurstText, HasExactlyTheSizeInWholeLinesOfNoKnownForm) {
  for (const std::size_t size : {0u, 1u, 2u, 3u, 33u, 34u, 35u, 4096u, 1u << 20}) {
    const std::string text = BurstText(size);
    ASSERT_EQ(text.size(), size);
    if (size >= 2) {
      EXPECT_EQ(text.substr(size - 2), "\r\n") << size;
    }
    EXPECT_EQ(text.find('\0'), std::string::npos) << size;
    for (const char* form : {"PlayFile : ", "TAG :", "Playing", "Stop", "PlaySpeed : ",
                             "LoopCount : ", "Repeat : ", "====="}) {
      EXPECT_EQ(text.find(form), std::string::npos) << size << " " << form;
    }
  }
}

TEST(OutputQueue, HandsOutPiecesWhenDueAndInOrder) {
  OutputQueue queue;
  EXPECT_FALSE(queue.NextDue());
  queue.Push("late", 100);
  queue.Push("", 0);  // nothing to send: dropped
  queue.Push("early", 50);  // must not overtake "late"
  EXPECT_EQ(queue.NextDue(), 100);
  EXPECT_EQ(queue.Ready(99), "");
  EXPECT_EQ(queue.Ready(100), "late");
  queue.Consume(2);
  EXPECT_EQ(queue.Ready(100), "te");
  queue.Consume(2);
  EXPECT_EQ(queue.NextDue(), 100);
  EXPECT_EQ(queue.Ready(100), "early");
  queue.Consume(5);
  EXPECT_FALSE(queue.NextDue());
  EXPECT_EQ(queue.Ready(1000), "");
}

TEST(ByteLog, FormatsMillisecondsAndHexBytes) {
  EXPECT_EQ(FormatLogLine(1234, "c"), "1234 63\n");
  EXPECT_EQ(FormatLogLine(0, std::string("P\0\xff", 3)), "0 50 00 ff\n");
  EXPECT_EQ(FormatLogLine(7, ""), "7\n");
}

}  // namespace
}  // namespace tonquil::emu
