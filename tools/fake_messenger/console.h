#pragma once
// Text out of the fake messenger: UTF-8, unbuffered, so that a test reading the output
// file sees a line as soon as it is printed.
#include <windows.h>

#include <string>

namespace fake_messenger {

std::string Utf8(const std::wstring& text);
void WriteAll(HANDLE file, const std::string& bytes);
void PrintLine(const std::wstring& line);   // to stdout
void PrintError(const std::wstring& line);  // to stderr, after the program's name

}  // namespace fake_messenger
