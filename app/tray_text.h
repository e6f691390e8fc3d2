#pragma once
// The notification area keeps short texts: a tip of 127 characters, a balloon title
// of 63 and a balloon text of 255. Longer texts are cut at that length.
#include <cstddef>
#include <string>
#include <string_view>

namespace tonquil {

inline constexpr std::size_t kTipMax = 127;
inline constexpr std::size_t kBalloonTitleMax = 63;
inline constexpr std::size_t kBalloonTextMax = 255;

// The first `max_units` UTF-16 units of text; a surrogate pair that the cut would
// split is dropped whole.
std::u16string CutForTray(std::u16string_view text, std::size_t max_units);

}  // namespace tonquil
