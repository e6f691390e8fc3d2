#pragma once
// Results go to stdout as UTF-8, one line each: a record kind, then tab-separated
// key=value fields whose values escape backslash, tab, CR, LF and "|" with a backslash.
#include <windows.h>

#include <string>
#include <vector>

namespace tqdriver {

std::wstring Escape(const std::wstring& text);
std::wstring Hex(unsigned long long value);
std::wstring HandleText(HWND window);
std::wstring RectText(const RECT& rect);  // "left,top,width,height"

class Record {
 public:
  explicit Record(const std::wstring& kind) : line_(kind) {}
  Record& Add(const wchar_t* key, const std::wstring& value);  // value is escaped here
  Record& Add(const wchar_t* key, long long value);
  Record& AddFlag(const wchar_t* key, bool value);
  Record& AddList(const wchar_t* key, const std::vector<std::wstring>& items);  // joined by "|"
  void Print() const;

 private:
  std::wstring line_;
};

void PrintLine(const std::wstring& line);
void PrintError(const std::wstring& line);

}  // namespace tqdriver
