#pragma once
// The text forms of integer and boolean settings.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tonquil {

// After leading blanks: an optional sign, then decimal digits, or hexadecimal digits after
// "$", "x", "X", "0x" or "0X". Empty when the whole text is not such a number or the
// number does not fit in 32 bits.
std::optional<std::int32_t> ParseIniInteger(std::u16string_view text);

// Decimal, with "-" when negative.
std::u16string FormatIniInteger(std::int32_t value);

// Booleans are stored as integers: "1" and "0" when written, anything but 0 is true.
std::u16string FormatIniBool(bool value);

}  // namespace tonquil
