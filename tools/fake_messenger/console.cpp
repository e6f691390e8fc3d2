#include "console.h"

namespace fake_messenger {

std::string Utf8(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                       nullptr, nullptr);
  std::string bytes(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr,
                      nullptr);
  return bytes;
}

void WriteAll(HANDLE file, const std::string& bytes) {
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

void PrintLine(const std::wstring& line) { WriteAll(GetStdHandle(STD_OUTPUT_HANDLE), Utf8(line + L"\n")); }

void PrintError(const std::wstring& line) {
  WriteAll(GetStdHandle(STD_ERROR_HANDLE), Utf8(L"fake_messenger: " + line + L"\n"));
}

}  // namespace fake_messenger
