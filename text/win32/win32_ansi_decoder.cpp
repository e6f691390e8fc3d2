#include "text/win32/win32_ansi_decoder.h"

#include <windows.h>

namespace tonquil {

void Win32AnsiDecoder::Decode(std::string_view bytes, std::u16string& text) const {
  text.clear();
  if (bytes.empty()) return;
  const int size = static_cast<int>(bytes.size());
  const int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
  text.resize(static_cast<size_t>(length));
  // char16_t and wchar_t are both UTF-16 code units on Windows.
  MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, reinterpret_cast<wchar_t*>(text.data()), length);
}

}  // namespace tonquil
