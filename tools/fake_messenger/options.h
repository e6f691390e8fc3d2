#pragma once
// The command line of fake_messenger.
#include <string>

namespace fake_messenger {

struct Options {
  std::wstring log_path;             // --log FILE (required)
  std::wstring name = L"messenger";  // --name WORD: first word of each log line, window title
  std::wstring stop_path;            // --stop-file FILE: exit as soon as it exists
  unsigned lifetime_ms = 60000;      // --lifetime-ms N: exit after this long whatever happens
  bool hang = false;                 // --hang: never return from a WM_COPYDATA
};

// Throws std::wstring with the reason when the command line is not usable.
Options ParseOptions(int argc, wchar_t** argv);

extern const wchar_t kUsage[];

}  // namespace fake_messenger
