#include "settings/win32_file_store.h"

#include <windows.h>

#include <algorithm>
#include <string>

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

bool WriteNewFile(const std::u16string& path, const std::string& bytes) {
  UniqueHandle file(CreateFileW(Wide(path), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  return file.valid() && WriteAll(file.get(), bytes) && FlushFileBuffers(file.get()) &&
         file.Close();
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

}  // namespace

LoadResult Win32FileStore::Load(const std::u16string& path) {
  // Shared for reading only: a writer elsewhere makes the file unreadable rather than
  // half-read.
  UniqueHandle file(CreateFileW(Wide(path), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) {
    const DWORD error = GetLastError();
    const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    return {missing ? LoadStatus::Missing : LoadStatus::Unreadable, {}};
  }
  LoadResult result{LoadStatus::Loaded, {}};
  if (!ReadAll(file.get(), result.bytes)) return {LoadStatus::Unreadable, {}};
  return result;
}

bool Win32FileStore::ReplaceWhole(const std::u16string& path, const std::string& bytes) {
  if (IsReadOnly(path)) return false;
  const std::u16string temporary = TemporaryPathBeside(path);
  // MoveFileExW rather than ReplaceFileW: it has one way to fail, after which the target
  // is untouched, and needs no existing target. The replaced file's attributes are not
  // carried over.
  const bool replaced =
      WriteNewFile(temporary, bytes) &&
      MoveFileExW(Wide(temporary), Wide(path),
                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
  if (!replaced) DeleteFileW(Wide(temporary));
  return replaced;
}

}  // namespace tonquil
