#pragma once
// Text helpers of the report parser: trimming a reply, cutting it into lines, and the
// prefix tests and removals by which its lines are read.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tonquil {

// The reply without the bytes of code 32 or less (blanks, control characters, line
// breaks) at either end; bytes inside stay.
std::string_view TrimReply(std::string_view reply);

// Cuts 8-bit text into lines, one at a time. Lines end at CR LF, a lone CR or a lone
// LF, so LF CR and CR CR LF leave an empty line between; a break at the very end gives
// no empty last line. The views point into the text.
class LineCutter {
 public:
  explicit LineCutter(std::string_view text) : text_(text) {}
  // The next line; nothing once the text is used up, and from then on.
  std::optional<std::string_view> Next();

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

// False for a line shorter than the literal.
bool BeginsWith(std::u16string_view line, std::u16string_view literal);

// The line with every occurrence of the literal taken out, scanning once from left
// to right (what a removal joins together is not searched again). Nothing is trimmed.
std::u16string RemoveEvery(std::u16string_view line, std::u16string_view literal);

}  // namespace tonquil
