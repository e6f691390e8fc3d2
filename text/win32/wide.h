#pragma once
// The one place where the core's UTF-16 text (std::u16string) meets the Win32 API's
// wchar_t. On Windows both are 16-bit code units, so this is a copy, not a conversion.
#include <string>
#include <string_view>

namespace ui {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Win32 text is UTF-16");

inline std::wstring Wide(std::u16string_view text) {
  return std::wstring(text.begin(), text.end());
}

inline std::u16string FromWide(std::wstring_view text) {
  return std::u16string(text.begin(), text.end());
}

}  // namespace ui
