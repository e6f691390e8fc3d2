#include "settings/ini_values.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>

#include "text/utf8.h"

namespace tonquil {
namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

struct IntegerCase {
  std::u16string_view text;
  std::optional<std::int32_t> value;
};

TEST(IniValues, ReadsDecimalAndHexadecimalIntegers) {
  const IntegerCase cases[] = {
      {u"0", 0},           {u"100", 100},        {u"-1200", -1200},    {u"+7", 7},
      {u"  42", 42},       {u"\t-3", -3},        {u"-0", 0},           {u"007", 7},
      {u"2147483647", kMax}, {u"-2147483648", kMin}, {u"00000000002147483647", kMax},
      {u"0x20", 32},       {u"0X20", 32},        {u"$1F", 31},         {u"x1f", 31},
      {u"X1F", 31},        {u"-0x10", -16},      {u"+$10", 16},        {u"$7FFFFFFF", kMax},
      {u"$FFFFFFFF", -1},  {u"$80000000", kMin}, {u"-$1", -1},         {u"-$FFFFFFFF", 1},
      {u"-$80000000", kMin}, {u"$000000000A", 10},
  };
  for (const IntegerCase& c : cases) {
    EXPECT_EQ(ParseIniInteger(c.text), c.value) << Utf16ToUtf8(c.text);
  }
}

TEST(IniValues, RejectsAnythingButAWholeNumberThatFits) {
  const std::u16string_view texts[] = {
      u"",          u" ",          u"abc",         u"true",      u"12abc",     u"5 ",
      u"- 5",       u"--5",        u"+-5",         u"-",         u"0x",        u"$",
      u"x",         u"$-1",        u"0x-1",        u"$ 1",       u"0xG",       u"1.5",
      u"1e3",       u"2147483648", u"-2147483649", u"99999999999999999999",   u"$100000000",
      u"0x1FFFFFFFF", u"\uFF11",  u"0b1",         u"0x0x1",
  };
  for (const std::u16string_view text : texts) {
    EXPECT_EQ(ParseIniInteger(text), std::nullopt) << Utf16ToUtf8(text);
  }
}

TEST(IniValues, WritesPlainDecimalThatReadsBack) {
  for (const std::int32_t value : {0, 1, -1, 100, -1200, kMax, kMin}) {
    const std::u16string text = FormatIniInteger(value);
    EXPECT_EQ(ParseIniInteger(text), value);
    EXPECT_EQ(text.find_first_not_of(u"-0123456789"), std::u16string::npos);
  }
  EXPECT_EQ(FormatIniInteger(-1200), u"-1200");
  EXPECT_EQ(FormatIniBool(true), u"1");
  EXPECT_EQ(FormatIniBool(false), u"0");
}

}  // namespace
}  // namespace tonquil
