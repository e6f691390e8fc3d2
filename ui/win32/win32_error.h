#pragma once
// An error of a Win32 call that the program cannot go on without (a window class or
// window that could not be made). Its message names the call and the system's code.
#include <windows.h>

#include <stdexcept>
#include <string>

namespace ui {

class Win32Error : public std::runtime_error {
 public:
  explicit Win32Error(const char* call)
      : std::runtime_error(std::string(call) + " failed with error " + std::to_string(GetLastError())) {}
};

}  // namespace ui
