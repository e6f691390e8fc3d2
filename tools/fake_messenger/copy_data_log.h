#pragma once
// The record of what the fake messenger received: one line per WM_COPYDATA, appended
// and written through at once, so that a test reading the file sees every message that
// has been handled, even when the process is killed right after.
//
//   NAME wParam=0 dwData=1351 cbData=84 bytes=54004e00...0000
//
// bytes: the cbData payload bytes exactly, two lower-case hex digits each.
#include <windows.h>

#include <string>

namespace fake_messenger {

class CopyDataLog {
 public:
  // Opens for appending, sharing it with other fake messengers that log to the same file;
  // throws std::wstring when it cannot.
  CopyDataLog(const std::wstring& path, const std::wstring& name);
  ~CopyDataLog();
  CopyDataLog(const CopyDataLog&) = delete;
  CopyDataLog& operator=(const CopyDataLog&) = delete;

  void Append(WPARAM sender, const COPYDATASTRUCT& record);

 private:
  HANDLE file_;
  std::string name_;
};

}  // namespace fake_messenger
