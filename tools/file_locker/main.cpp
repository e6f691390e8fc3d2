// file_locker --hold PATH --until-file STOP [--lifetime-ms N]
//
// Opens PATH for reading and writing with no sharing, so that every other open of it fails
// with a sharing violation; prints "locked" once it holds the file, and lets go when the
// file STOP exists or the lifetime (default 60 s) is over, then prints "released".
// Exit codes: 0 released on the stop file, 3 released when the lifetime ran out,
// 1 PATH could not be opened, 2 bad command line.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

constexpr DWORD kPollMs = 20;
constexpr int kExitStopFile = 0;
constexpr int kExitNoFile = 1;
constexpr int kExitUsage = 2;
constexpr int kExitLifetime = 3;

struct Options {
  std::wstring hold_path;
  std::wstring stop_path;
  ULONGLONG lifetime_ms = 60000;
};

class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  ~FileHandle() {
    if (valid()) CloseHandle(handle_);
  }
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

// The test reads these lines through a pipe: each must arrive as soon as it is printed.
void Say(const char* line) {
  std::printf("%s\n", line);
  std::fflush(stdout);
}

bool ParseOptions(int argc, wchar_t** argv, Options& options) {
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::wstring name = argv[i];
    const wchar_t* value = argv[i + 1];
    if (name == L"--hold") {
      options.hold_path = value;
    } else if (name == L"--until-file") {
      options.stop_path = value;
    } else if (name == L"--lifetime-ms") {
      options.lifetime_ms = std::wcstoull(value, nullptr, 10);
    } else {
      return false;
    }
  }
  return argc % 2 == 1 && !options.hold_path.empty() && !options.stop_path.empty();
}

bool Exists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

int HoldUntilStop(const Options& options) {
  const FileHandle file(CreateFileW(options.hold_path.c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) {
    std::fprintf(stderr, "file_locker: cannot open the file, error %lu\n", GetLastError());
    return kExitNoFile;
  }
  Say("locked");
  const ULONGLONG deadline = GetTickCount64() + options.lifetime_ms;
  while (!Exists(options.stop_path)) {
    if (GetTickCount64() >= deadline) return kExitLifetime;
    Sleep(kPollMs);
  }
  return kExitStopFile;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  Options options;
  if (!ParseOptions(argc, argv, options)) {
    std::fprintf(stderr, "usage: file_locker --hold PATH --until-file STOP [--lifetime-ms N]\n");
    return kExitUsage;
  }
  const int result = HoldUntilStop(options);
  if (result != kExitNoFile) Say("released");
  return result;
}
