#include "settings/win32/win32_file_store.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "settings/whole_file_save.h"

namespace tonquil {
namespace {

class UniqueHandle {
 public:
  explicit UniqueHandle(HANDLE handle) : handle_(handle) {}
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { Close(); }

  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }

  // For the write path, where closing is part of the work and its result counts.
  bool Close() {
    if (!valid()) return true;
    const bool closed = CloseHandle(handle_) != FALSE;
    handle_ = INVALID_HANDLE_VALUE;
    return closed;
  }

 private:
  HANDLE handle_;
};

constexpr DWORD kChunk = 64 * 1024;

const wchar_t* Wide(const std::u16string& text) {
  return reinterpret_cast<const wchar_t*>(text.c_str());
}

bool ReadAll(HANDLE file, std::string& bytes) {
  LARGE_INTEGER size{};
  if (GetFileSizeEx(file, &size) && size.QuadPart > 0) {
    bytes.reserve(static_cast<std::size_t>(size.QuadPart) + kChunk);
  }
  // The size only presizes the buffer; the end of the file is where a read returns nothing.
  for (;;) {
    const std::size_t used = bytes.size();
    bytes.resize(used + kChunk);
    DWORD read = 0;
    const bool ok = ReadFile(file, &bytes[used], kChunk, &read, nullptr) != FALSE;
    bytes.resize(used + (ok ? read : 0));
    if (!ok) return false;
    if (read == 0) return true;
  }
}

bool WriteAll(HANDLE file, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, kChunk));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) {
      return false;
    }
    done += written;
  }
  return true;
}

// One name per settings file: only one copy of the program saves at a time, and a
// temporary left by a killed save is taken over by the next one instead of piling up.
std::u16string TemporaryPathBeside(const std::u16string& path) { return path + u".tmp"; }

// A read-only settings file is the user's word that it must not change; moving a new
// file over it would replace it all the same on some systems.
bool IsReadOnly(const std::u16string& path) {
  const DWORD attributes = GetFileAttributesW(Wide(path));
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

StepResult FromError(DWORD error) {
  switch (error) {
    case ERROR_SUCCESS:
      return StepResult::kDone;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return StepResult::kBusy;
    case ERROR_ACCESS_DENIED:
      return StepResult::kDenied;
    default:
      return StepResult::kFailed;
  }
}

// Writes bytes from the start of an open file, cuts it there and flushes it.
StepResult WriteWhole(UniqueHandle& file, const std::string& bytes) {
  const bool written = WriteAll(file.get(), bytes) && SetEndOfFile(file.get()) && FlushFileBuffers(file.get()) &&
                       file.Close();
  return written ? StepResult::kDone : StepResult::kFailed;
}

class Win32Clock : public WaitClock {
 public:
  std::int64_t NowMs() override { return static_cast<std::int64_t>(GetTickCount64()); }
  void Pause(int ms) override { Sleep(static_cast<DWORD>(ms)); }
};

class Win32SaveSteps : public SaveSteps {
 public:
  explicit Win32SaveSteps(const std::u16string& path) : path_(path), temporary_(TemporaryPathBeside(path)) {}

  StepResult WriteTemporary(const std::string& bytes) override {
    UniqueHandle file(CreateFileW(Wide(temporary_), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return FromError(GetLastError());
    return WriteWhole(file, bytes);
  }
  // MoveFileExW rather than ReplaceFileW: it has one way to fail, after which the target
  // is untouched, and needs no existing target. The replaced file's attributes are not
  // carried over.
  StepResult ReplaceWithTemporary() override {
    if (MoveFileExW(Wide(temporary_), Wide(path_), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      return StepResult::kDone;
    }
    // A target that another program holds without delete sharing refuses the move with
    // "access denied", as a lack of rights would: both are worth waiting out.
    const StepResult result = FromError(GetLastError());
    return result == StepResult::kDenied ? StepResult::kBusy : result;
  }
  void RemoveTemporary() override { DeleteFileW(Wide(temporary_)); }
  StepResult RewriteInPlace(const std::string& bytes) override {
    UniqueHandle file(CreateFileW(Wide(path_), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                  nullptr));
    if (!file.valid()) return FromError(GetLastError());
    return WriteWhole(file, bytes);
  }
  std::int64_t NowMs() override { return clock_.NowMs(); }
  void Pause(int ms) override { clock_.Pause(ms); }

 private:
  Win32Clock clock_;
  const std::u16string& path_;
  const std::u16string temporary_;
};

}  // namespace

LoadResult Win32FileStore::Load(const std::u16string& path) {
  // Shared for reading only: a writer elsewhere makes the file unreadable rather than
  // half-read. A file held for a moment is waited for, as a save waits.
  HANDLE opened = INVALID_HANDLE_VALUE;
  DWORD error = ERROR_SUCCESS;
  Win32Clock clock;
  BusyRetry(clock).Run([&] {
    opened = CreateFileW(Wide(path), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
    error = opened == INVALID_HANDLE_VALUE ? GetLastError() : ERROR_SUCCESS;
    return FromError(error);
  });
  UniqueHandle file(opened);
  if (!file.valid()) {
    const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    return {missing ? LoadStatus::Missing : LoadStatus::Unreadable, {}};
  }
  LoadResult result{LoadStatus::Loaded, {}};
  if (!ReadAll(file.get(), result.bytes)) return {LoadStatus::Unreadable, {}};
  return result;
}

bool Win32FileStore::ReplaceWhole(const std::u16string& path, const std::string& bytes) {
  if (IsReadOnly(path)) return false;
  Win32SaveSteps steps(path);
  return SaveWhole(steps, bytes);
}

}  // namespace tonquil
