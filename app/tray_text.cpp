#include "app/tray_text.h"

namespace tonquil {

std::u16string CutForTray(std::u16string_view text, std::size_t max_units) {
  if (text.size() <= max_units) return std::u16string(text);
  std::size_t length = max_units;
  const bool splits_pair = length > 0 && text[length - 1] >= 0xD800 && text[length - 1] <= 0xDBFF;
  if (splits_pair) --length;
  return std::u16string(text.substr(0, length));
}

}  // namespace tonquil
