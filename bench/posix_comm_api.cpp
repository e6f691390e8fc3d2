#include "posix_comm_api.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>

namespace tonquil::bench {
namespace {

constexpr std::u16string_view kDevicePrefix = u"\\\\.\\";

// PortId 0 means no port, and 0 is a valid descriptor.
PortId IdOf(int fd) { return static_cast<PortId>(fd) + 1; }
int FdOf(PortId port) { return static_cast<int>(port) - 1; }

// "\\.\COM3" -> "com3"; empty for anything else, which then fails to open.
std::string LinkName(const std::u16string& device_path) {
  if (device_path.compare(0, kDevicePrefix.size(), kDevicePrefix) != 0) return {};
  std::string name;
  for (char16_t unit : device_path.substr(kDevicePrefix.size())) {
    if (unit == u'/' || unit == u'\\' || unit > 0x7F) return {};
    const char c = static_cast<char>(unit);
    name += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  }
  return name;
}

}  // namespace

PosixCommApi::~PosixCommApi() {
  for (int fd : open_fds_) ::close(fd);
}

std::optional<PortId> PosixCommApi::Open(const std::u16string& device_path) {
  const std::string name = LinkName(device_path);
  if (name.empty()) return std::nullopt;
  const int fd = ::open((device_dir_ + "/" + name).c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  // Share mode 0: nobody else may open the port while it is held.
  if (::ioctl(fd, TIOCEXCL) != 0) {
    ::close(fd);
    return std::nullopt;
  }
  open_fds_.insert(fd);
  return IdOf(fd);
}

// The link only ever asks for 230400 baud 8N1, so the definition is not parsed.
void PosixCommApi::Configure(PortId port, const std::u16string&) {
  termios settings{};
  if (::tcgetattr(FdOf(port), &settings) != 0) return;
  ::cfmakeraw(&settings);
  ::cfsetispeed(&settings, B230400);
  ::cfsetospeed(&settings, B230400);
  settings.c_cflag &= ~static_cast<tcflag_t>(PARENB | CSTOPB | CSIZE);
  settings.c_cflag |= CS8 | CLOCAL | CREAD;
  ::tcsetattr(FdOf(port), TCSANOW, &settings);
}

bool PosixCommApi::Close(PortId port) {
  const int fd = FdOf(port);
  if (open_fds_.erase(fd) == 0) return false;
  return ::close(fd) == 0;
}

bool PosixCommApi::Write(PortId port, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(FdOf(port), bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

std::optional<std::size_t> PosixCommApi::Waiting(PortId port) {
  int count = 0;
  if (::ioctl(FdOf(port), FIONREAD, &count) != 0 || count < 0) return std::nullopt;
  return static_cast<std::size_t>(count);
}

// A synchronous read waits for all `count` bytes, as ReadFile does without timeouts.
std::string PosixCommApi::Read(PortId port, std::size_t count) {
  std::string buffer(count + 1, '\0');
  std::size_t filled = 0;
  while (filled < count) {
    const ssize_t got = ::read(FdOf(port), &buffer[filled], count - filled);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    filled += static_cast<std::size_t>(got);
  }
  buffer.resize(count);
  return buffer;
}

std::chrono::nanoseconds ThreadCpuTime() {
  timespec now{};
  ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

void PosixCommApi::Sleep(unsigned milliseconds) {
  const auto cpu_start = ThreadCpuTime();
  const auto start = std::chrono::steady_clock::now();
  timespec rest{static_cast<time_t>(milliseconds / 1000), static_cast<long>(milliseconds % 1000) * 1000000L};
  while (::nanosleep(&rest, &rest) != 0 && errno == EINTR) {
  }
  ++tally_.calls;
  tally_.slept += std::chrono::steady_clock::now() - start;
  tally_.sleep_cpu += ThreadCpuTime() - cpu_start;
}

}  // namespace tonquil::bench
