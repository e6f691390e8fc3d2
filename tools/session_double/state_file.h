#pragma once
// What the program set on the stand-in session, as "key=value" lines in UTF-8, written
// whole through a temporary file after each change so that a test never reads half of it.
#include <windows.h>

#include <map>
#include <string>

class StateFile {
 public:
  explicit StateFile(std::wstring folder) : folder_(std::move(folder)) {}
  void Set(const std::string& key, const std::string& value);
  void Count(const std::string& key);

 private:
  void WriteLocked() const;

  std::wstring folder_;
  SRWLOCK lock_ = SRWLOCK_INIT;
  std::map<std::string, std::string> values_;
};

std::string Utf8(const wchar_t* text, size_t length);
