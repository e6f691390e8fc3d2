#pragma once
// The bytes of the settings file: UTF-16LE text behind the byte-order mark FF FE.
#include <string>
#include <string_view>
#include <vector>

namespace tonquil {

// Always decodes as UTF-16LE: a leading FF FE is skipped, a file without it is read the
// same way, a trailing odd byte is ignored and the text ends at the first NUL.
std::u16string DecodeIniBytes(std::string_view bytes);

// FF FE followed by the text as UTF-16LE.
std::string EncodeIniBytes(std::u16string_view text);

// Lines end at CR LF, a lone CR or a lone LF; a last line without an end counts too.
// The views point into text.
std::vector<std::u16string_view> SplitIniLines(std::u16string_view text);

}  // namespace tonquil
