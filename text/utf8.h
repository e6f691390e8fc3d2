#pragma once
// UTF-8 <-> UTF-16 for the few places where 8-bit Unicode text meets the program's
// UTF-16 text: the now-playing file, test output and the driver's reports. Invalid input
// becomes U+FFFD.
#include <string>
#include <string_view>

namespace tonquil {

std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

}  // namespace tonquil
