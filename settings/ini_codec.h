#pragma once
// The bytes of the settings file: UTF-16LE text behind the byte-order mark FF FE. A file
// that an editor saved as UTF-8 is read too, so that its values survive the rewrite.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tonquil {

// UTF-16LE after the mark FF FE, and without a mark when the file has a zero byte and no
// line feed in the units before it: a trailing odd byte is ignored and the text ends at
// the first NUL. Otherwise UTF-8, after its mark EF BB BF when there is one. Empty when
// the bytes are neither: UTF-8 that is not well-formed or holds a NUL.
std::optional<std::u16string> DecodeIniBytes(std::string_view bytes);

// FF FE followed by the text as UTF-16LE.
std::string EncodeIniBytes(std::u16string_view text);

// Lines end at CR LF, a lone CR or a lone LF; a last line without an end counts too.
// The views point into text.
std::vector<std::u16string_view> SplitIniLines(std::u16string_view text);

}  // namespace tonquil
