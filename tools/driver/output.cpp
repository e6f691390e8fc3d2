#include "output.h"

#include <cwchar>

namespace tqdriver {
namespace {

void WriteUtf8(DWORD handle_id, const std::wstring& line) {
  const std::wstring text = line + L"\n";
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size,
                      nullptr, nullptr);
  DWORD written = 0;
  WriteFile(GetStdHandle(handle_id), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
            nullptr);
}

}  // namespace

std::wstring Escape(const std::wstring& text) {
  std::wstring escaped;
  for (wchar_t c : text) {
    switch (c) {
      case L'\\': escaped += L"\\\\"; break;
      case L'\t': escaped += L"\\t"; break;
      case L'\r': escaped += L"\\r"; break;
      case L'\n': escaped += L"\\n"; break;
      case L'|': escaped += L"\\|"; break;
      default: escaped += c;
    }
  }
  return escaped;
}

std::wstring Hex(unsigned long long value) {
  wchar_t buffer[24];
  std::swprintf(buffer, 24, L"0x%llX", value);
  return buffer;
}

std::wstring HandleText(HWND window) {
  return Hex(reinterpret_cast<UINT_PTR>(window));
}

std::wstring RectText(const RECT& rect) {
  return std::to_wstring(rect.left) + L"," + std::to_wstring(rect.top) + L"," +
         std::to_wstring(rect.right - rect.left) + L"," + std::to_wstring(rect.bottom - rect.top);
}

Record& Record::Add(const wchar_t* key, const std::wstring& value) {
  line_ += std::wstring(L"\t") + key + L"=" + Escape(value);
  return *this;
}

Record& Record::Add(const wchar_t* key, long long value) {
  return Add(key, std::to_wstring(value));
}

Record& Record::AddFlag(const wchar_t* key, bool value) {
  return Add(key, value ? L"1" : L"0");
}

Record& Record::AddList(const wchar_t* key, const std::vector<std::wstring>& items) {
  line_ += std::wstring(L"\t") + key + L"=";
  for (size_t i = 0; i < items.size(); ++i) {
    line_ += (i == 0 ? L"" : L"|") + Escape(items[i]);
  }
  return *this;
}

void Record::Print() const {
  PrintLine(line_);
}

void PrintLine(const std::wstring& line) {
  WriteUtf8(STD_OUTPUT_HANDLE, line);
}

void PrintError(const std::wstring& line) {
  WriteUtf8(STD_ERROR_HANDLE, L"tqdriver: " + line);
}

}  // namespace tqdriver
