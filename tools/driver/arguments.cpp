// Numbers on the command line.
#include <cwchar>

#include "command.h"

namespace tqdriver {

int ParseInt(const std::wstring& text) {
  wchar_t* end = nullptr;
  const long value = std::wcstol(text.c_str(), &end, 0);
  if (text.empty() || end == nullptr || *end != L'\0') {
    throw Failure{kUsage, L"not a number: " + text};
  }
  return static_cast<int>(value);
}

unsigned ParseMilliseconds(const std::wstring& text) {
  const int value = ParseInt(text);
  if (value < 0) throw Failure{kUsage, L"not a time in milliseconds: " + text};
  return static_cast<unsigned>(value);
}

}  // namespace tqdriver
