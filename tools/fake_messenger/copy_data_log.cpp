#include "copy_data_log.h"

#include "console.h"

namespace fake_messenger {
namespace {

std::string HexBytes(const void* data, DWORD size) {
  static const char digits[] = "0123456789abcdef";
  const auto* bytes = static_cast<const unsigned char*>(data);
  std::string hex;
  hex.reserve(2 * size);
  for (DWORD i = 0; i < size; ++i) {
    hex += digits[bytes[i] >> 4];
    hex += digits[bytes[i] & 15];
  }
  return hex;
}

}  // namespace

CopyDataLog::CopyDataLog(const std::wstring& path, const std::wstring& name)
    : file_(CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                        nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr)),
      name_(Utf8(name)) {
  if (file_ == INVALID_HANDLE_VALUE) throw L"cannot open the log " + path;
}

CopyDataLog::~CopyDataLog() { CloseHandle(file_); }

void CopyDataLog::Append(WPARAM sender, const COPYDATASTRUCT& record) {
  // One write per line: lines of two messengers sharing the file never interleave.
  const std::string line = name_ + " wParam=" + std::to_string(sender) + " dwData=" + std::to_string(record.dwData) +
                           " cbData=" + std::to_string(record.cbData) +
                           " bytes=" + HexBytes(record.lpData, record.lpData ? record.cbData : 0) + "\n";
  WriteAll(file_, line);
  FlushFileBuffers(file_);
}

}  // namespace fake_messenger
