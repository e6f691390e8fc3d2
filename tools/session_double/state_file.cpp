#include "state_file.h"

void StateFile::Set(const std::string& key, const std::string& value) {
  AcquireSRWLockExclusive(&lock_);
  values_[key] = value;
  WriteLocked();
  ReleaseSRWLockExclusive(&lock_);
}

void StateFile::Count(const std::string& key) {
  AcquireSRWLockExclusive(&lock_);
  const auto found = values_.find(key);
  const int count = found == values_.end() ? 0 : std::stoi(found->second);
  values_[key] = std::to_string(count + 1);
  WriteLocked();
  ReleaseSRWLockExclusive(&lock_);
}

void StateFile::WriteLocked() const {
  std::string text;
  for (const auto& [key, value] : values_) text += key + "=" + value + "\n";
  const std::wstring temporary = folder_ + L"\\state.tmp";
  const std::wstring target = folder_ + L"\\state.txt";
  const HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
  MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING);
}

std::string Utf8(const wchar_t* text, size_t length) {
  if (length == 0) return "";
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), bytes.data(), size, nullptr, nullptr);
  return bytes;
}
