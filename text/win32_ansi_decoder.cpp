#include "text/win32_ansi_decoder.h"

#include <windows.h>

namespace tonquil {

std::u16string Win32AnsiDecoder::Decode(std::string_view bytes) const {
  if (bytes.empty()) return {};
  const int size = static_cast<int>(bytes.size());
  const int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
  std::wstring text(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, text.data(), length);
  return std::u16string(text.begin(), text.end());
}

}  // namespace tonquil
