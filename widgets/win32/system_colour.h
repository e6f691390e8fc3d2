#pragma once
// Turns the link label's colours, which may name a system colour, into what GDI paints.
#include <windows.h>

#include "widgets/url_link_state.h"

namespace widgets {

static_assert(tonquil::kTooltipBackgroundIndex == COLOR_INFOBK, "the hint's default background");

inline COLORREF ToColorRef(tonquil::Colour colour) {
  if ((colour & tonquil::kSystemColourFlag) != 0) return GetSysColor(static_cast<int>(colour & 0xFFu));
  return colour;
}

}  // namespace widgets
