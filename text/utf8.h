#pragma once
// UTF-8 <-> UTF-16 for the few places where 8-bit Unicode text meets the program's
// UTF-16 text: the now-playing file, test output, the driver's reports and settings files
// saved as UTF-8.
#include <optional>
#include <string>
#include <string_view>

namespace tonquil {

// Invalid input becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);
// Empty when the input is not well-formed UTF-8 (a bad or cut-off sequence, an overlong
// form, a surrogate or a value beyond U+10FFFF).
std::optional<std::u16string> StrictUtf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

}  // namespace tonquil
