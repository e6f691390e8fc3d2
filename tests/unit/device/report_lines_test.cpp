#include "device/report_lines.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

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

TEST(ReportLinesTest, SplitLinesEndsLinesAtCrLfLoneCrAndLoneLf) {
  EXPECT_THAT(SplitLines(u""), IsEmpty());
  EXPECT_THAT(SplitLines(u"a"), ElementsAre(u"a"));
  EXPECT_THAT(SplitLines(u"a\r\nb\rc\nd"), ElementsAre(u"a", u"b", u"c", u"d"));
  EXPECT_THAT(SplitLines(u"a\r\n"), ElementsAre(u"a")) << "no empty last line";
  EXPECT_THAT(SplitLines(u"a\r\n\r\nb"), ElementsAre(u"a", u"", u"b"));
}

TEST(ReportLinesTest, SplitLinesGivesAnEmptyLineForLfCrAndCrCrLf) {
  EXPECT_THAT(SplitLines(u"a\n\rb"), ElementsAre(u"a", u"", u"b"));
  EXPECT_THAT(SplitLines(u"a\r\r\nb"), ElementsAre(u"a", u"", u"b"));
  EXPECT_THAT(SplitLines(u"\n\n"), ElementsAre(u"", u""));
  EXPECT_THAT(SplitLines(u"\ra"), ElementsAre(u"", u"a"));
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
