#include "app/win32/standard_output.h"

#include <windows.h>

#include "text/utf8.h"
#include "text/win32/wide.h"

namespace tonquil {
namespace {

bool IsConsole(HANDLE handle) {
  DWORD mode = 0;
  return GetConsoleMode(handle, &mode) != FALSE;
}

// A console shows UTF-16 whatever its code page.
void WriteConsoleText(HANDLE console, const std::u16string& text) {
  const std::wstring wide = ui::Wide(text);
  DWORD written = 0;
  WriteConsoleW(console, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
}

void WriteBytes(HANDLE file, const std::string& bytes) {
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

// The console of the program that started this one, attached at the first use and
// held until the process ends.
class ParentConsole {
 public:
  ParentConsole() {
    if (AttachConsole(ATTACH_PARENT_PROCESS)) {
      handle_ = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
    }
  }
  ~ParentConsole() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  ParentConsole(const ParentConsole&) = delete;
  ParentConsole& operator=(const ParentConsole&) = delete;
  HANDLE handle() const { return handle_; }

 private:
  HANDLE handle_ = INVALID_HANDLE_VALUE;
};

}  // namespace

void WriteTo(Stream stream, const std::u16string& text) {
  const HANDLE given = GetStdHandle(stream == Stream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
  if (given != nullptr && given != INVALID_HANDLE_VALUE && GetFileType(given) != FILE_TYPE_UNKNOWN) {
    if (IsConsole(given)) {
      WriteConsoleText(given, text);
    } else {
      WriteBytes(given, Utf16ToUtf8(text));
    }
    return;
  }
  static const ParentConsole console;
  if (console.handle() != INVALID_HANDLE_VALUE) WriteConsoleText(console.handle(), text);
}

}  // namespace tonquil
