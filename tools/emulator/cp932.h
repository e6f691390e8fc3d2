#pragma once
// Conversions between UTF-8 and the 8-bit Japanese code page 932, the encoding in
// which the module prints everything. Characters that have no counterpart become
// '?' (towards CP932) or U+FFFD (towards UTF-8), so a conversion never fails.
#include <string>
#include <string_view>

namespace tonquil::emu {

std::string Utf8ToCp932(std::string_view utf8);
std::string Cp932ToUtf8(std::string_view cp932);

}  // namespace tonquil::emu
