#include "options.h"

#include <cwchar>

namespace fake_messenger {
namespace {

unsigned ParseMilliseconds(const std::wstring& text) {
  wchar_t* end = nullptr;
  const unsigned long value = std::wcstoul(text.c_str(), &end, 10);
  if (text.empty() || text[0] == L'-' || *end != L'\0' || value > 0x7FFFFFFFul) {
    throw L"not a time in milliseconds: " + text;
  }
  return static_cast<unsigned>(value);
}

}  // namespace

const wchar_t kUsage[] =
    L"usage: fake_messenger --log FILE [--name WORD] [--hang] [--lifetime-ms N] [--stop-file FILE]";

Options ParseOptions(int argc, wchar_t** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::wstring word = argv[i];
    if (word == L"--hang") {
      options.hang = true;
      continue;
    }
    if (i + 1 == argc) throw L"missing value after " + word;
    const std::wstring value = argv[++i];
    if (word == L"--log") {
      options.log_path = value;
    } else if (word == L"--name") {
      options.name = value;
    } else if (word == L"--stop-file") {
      options.stop_path = value;
    } else if (word == L"--lifetime-ms") {
      options.lifetime_ms = ParseMilliseconds(value);
    } else {
      throw L"unknown option " + word;
    }
  }
  if (options.log_path.empty()) throw std::wstring(L"--log FILE is required");
  return options;
}

}  // namespace fake_messenger
