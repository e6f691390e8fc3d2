#include "device/report_lines.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string_view>
#include <vector>

namespace tonquil {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

struct TrimCase {
  std::string_view reply;
  std::string_view trimmed;
};

TEST(ReportLinesTest, TrimReplyRemovesEveryCodeUpTo32FromBothEndsOnly) {
  const TrimCase cases[] = {
      {"", ""},
      {" \t\r\n", ""},
      {std::string_view("\0\x01\x1f Playing \r\n", 14), "Playing"},
      {"Paused \r\n", "Paused"},
      {"a \r\n b", "a \r\n b"},           // inside stays
      {"Paused\x7f", "Paused\x7f"},       // DEL is above 32
      {"\xa0Paused\xa0", "\xa0Paused\xa0"},  // high bytes are not blanks, signed char or not
      {"!", "!"},
  };
  for (const TrimCase& c : cases) EXPECT_EQ(TrimReply(c.reply), c.trimmed) << "reply: " << c.reply;
}

// Every line the cutter gives, and a check that it stays used up.
std::vector<std::string_view> Lines(std::string_view text) {
  LineCutter cutter(text);
  std::vector<std::string_view> lines;
  while (const std::optional<std::string_view> line = cutter.Next()) lines.push_back(*line);
  EXPECT_FALSE(cutter.Next().has_value()) << "asked again after the end";
  return lines;
}

TEST(ReportLinesTest, LineCutterEndsLinesAtCrLfLoneCrAndLoneLf) {
  EXPECT_THAT(Lines(""), IsEmpty());
  EXPECT_THAT(Lines("a"), ElementsAre("a"));
  EXPECT_THAT(Lines("a\r\nb\rc\nd"), ElementsAre("a", "b", "c", "d"));
  EXPECT_THAT(Lines("a\r\n"), ElementsAre("a")) << "no empty last line";
  EXPECT_THAT(Lines("a\r"), ElementsAre("a"));
  EXPECT_THAT(Lines("a\r\n\r\nb"), ElementsAre("a", "", "b"));
}

TEST(ReportLinesTest, LineCutterGivesAnEmptyLineForLfCrAndCrCrLf) {
  EXPECT_THAT(Lines("a\n\rb"), ElementsAre("a", "", "b"));
  EXPECT_THAT(Lines("a\r\r\nb"), ElementsAre("a", "", "b"));
  EXPECT_THAT(Lines("\n\n"), ElementsAre("", ""));
  EXPECT_THAT(Lines("\ra"), ElementsAre("", "a"));
}

TEST(ReportLinesTest, BeginsWithIsExactAndFalseForShorterLines) {
  EXPECT_TRUE(BeginsWith(u"Repeat : All", u"Repeat : "));
  EXPECT_TRUE(BeginsWith(u"Repeat : ", u"Repeat : "));
  EXPECT_FALSE(BeginsWith(u"Repeat :", u"Repeat : "));
  EXPECT_FALSE(BeginsWith(u"repeat : All", u"Repeat : "));
  EXPECT_FALSE(BeginsWith(u" Repeat : All", u"Repeat : "));
  EXPECT_TRUE(BeginsWith(u"", u""));
}

struct RemoveCase {
  std::u16string_view line;
  std::u16string_view literal;
  std::u16string_view rest;
};

TEST(ReportLinesTest, RemoveEveryTakesOutEachOccurrenceInOnePass) {
  const RemoveCase cases[] = {
      {u"Repeat : None", u"Repeat : ", u"None"},
      {u"Repeat : Repeat : None", u"Repeat : ", u"None"},
      {u"PlaySpeed :  2x", u"PlaySpeed : ", u" 2x"},
      {u"x=1 x=2 x=", u"x=", u"1 2 "},
      {u"Repeat : ", u"Repeat : ", u""},
      {u"None", u"Repeat : ", u"None"},
      {u"aaa", u"aa", u"a"},                   // left to right, no overlaps
      {u"RepRepeat : eat : X", u"Repeat : ", u"Repeat : X"},  // the joint is not searched again
      {u"abc", u"", u"abc"},
  };
  for (const RemoveCase& c : cases) EXPECT_EQ(RemoveEvery(c.line, c.literal), c.rest);
}

}  // namespace
}  // namespace tonquil
