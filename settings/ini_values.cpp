#include "settings/ini_values.h"

#include <string>

namespace tonquil {
namespace {

constexpr std::uint64_t kMaxPattern = 0xFFFFFFFFu;
constexpr std::uint64_t kMaxPositive = 0x7FFFFFFFu;
constexpr std::uint64_t kMaxNegative = 0x80000000u;

bool IsBlank(char16_t unit) { return unit == u' ' || unit == u'\t'; }

int DigitValue(char16_t unit, int base) {
  int value = 16;
  if (unit >= u'0' && unit <= u'9') value = unit - u'0';
  if (unit >= u'a' && unit <= u'f') value = unit - u'a' + 10;
  if (unit >= u'A' && unit <= u'F') value = unit - u'A' + 10;
  return value < base ? value : -1;
}

std::size_t HexPrefixLength(std::u16string_view text) {
  if (text.substr(0, 2) == u"0x" || text.substr(0, 2) == u"0X") return 2;
  if (!text.empty() && (text[0] == u'$' || text[0] == u'x' || text[0] == u'X')) return 1;
  return 0;
}

// Digits only, at least one; empty once the magnitude passes limit.
std::optional<std::uint64_t> ParseMagnitude(std::u16string_view digits, int base,
                                            std::uint64_t limit) {
  if (digits.empty()) return std::nullopt;
  std::uint64_t magnitude = 0;
  for (const char16_t unit : digits) {
    const int digit = DigitValue(unit, base);
    if (digit < 0) return std::nullopt;
    magnitude = magnitude * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
    if (magnitude > limit) return std::nullopt;
  }
  return magnitude;
}

std::int32_t FromPattern(std::uint32_t pattern) {
  if (pattern <= kMaxPositive) return static_cast<std::int32_t>(pattern);
  return -static_cast<std::int32_t>(~pattern) - 1;
}

// Hexadecimal text is a 32-bit pattern, as written by tools that print unsigned words:
// "$FFFFFFFF" is -1 and "$80000000" the smallest integer. A "-" negates the pattern
// modulo 2^32, so "-$1" is -1 and "-$FFFFFFFF" is 1. More than 32 bits is no number.
std::optional<std::int32_t> ParseHex(std::u16string_view digits, bool negative) {
  const auto magnitude = ParseMagnitude(digits, 16, kMaxPattern);
  if (!magnitude) return std::nullopt;
  const auto pattern = static_cast<std::uint32_t>(*magnitude);
  return FromPattern(negative ? 0u - pattern : pattern);
}

std::optional<std::int32_t> ParseDecimal(std::u16string_view digits, bool negative) {
  const auto magnitude = ParseMagnitude(digits, 10, negative ? kMaxNegative : kMaxPositive);
  if (!magnitude) return std::nullopt;
  const auto value = static_cast<std::int64_t>(*magnitude);
  return static_cast<std::int32_t>(negative ? -value : value);
}

}  // namespace

std::optional<std::int32_t> ParseIniInteger(std::u16string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  const bool negative = !text.empty() && text.front() == u'-';
  if (!text.empty() && (text.front() == u'-' || text.front() == u'+')) text.remove_prefix(1);
  const std::size_t prefix = HexPrefixLength(text);
  if (prefix > 0) return ParseHex(text.substr(prefix), negative);
  return ParseDecimal(text, negative);
}

std::u16string FormatIniInteger(std::int32_t value) {
  std::u16string text;
  for (const char digit : std::to_string(value)) text += static_cast<char16_t>(digit);
  return text;
}

std::u16string FormatIniBool(bool value) { return value ? u"1" : u"0"; }

}  // namespace tonquil
