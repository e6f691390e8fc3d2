#include "byte_log.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace tonquil::emu {

std::string FormatLogLine(std::int64_t ms, std::string_view bytes) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string line = std::to_string(ms);
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    line += ' ';
    line += kHex[byte >> 4];
    line += kHex[byte & 0x0F];
  }
  return line + '\n';
}

ByteLog::ByteLog(const std::string& path)
    : fd_(::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644)) {
  if (!fd_.valid()) throw std::system_error(errno, std::generic_category(), "open " + path);
}

void ByteLog::Record(std::int64_t ms, std::string_view bytes) {
  if (!fd_.valid()) return;
  const std::string line = FormatLogLine(ms, bytes);
  // One write per line keeps lines whole for a reader polling the file.
  [[maybe_unused]] const ssize_t written = ::write(fd_.get(), line.data(), line.size());
}

}  // namespace tonquil::emu
