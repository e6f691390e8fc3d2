#pragma once
// The record of what came in on the line: one text line per read, the milliseconds
// since start and then the bytes in hex, written through at once so that a test can
// read it while the emulator runs.
#include <cstdint>
#include <string>
#include <string_view>

#include "unique_fd.h"

namespace tonquil::emu {

// "1234 63 50\n" for the bytes "cP" received 1234 ms after start.
std::string FormatLogLine(std::int64_t ms, std::string_view bytes);

class ByteLog {
 public:
  ByteLog() = default;  // logs nothing
  explicit ByteLog(const std::string& path);  // appends; throws std::system_error

  void Record(std::int64_t ms, std::string_view bytes);

 private:
  UniqueFd fd_;
};

}  // namespace tonquil::emu
