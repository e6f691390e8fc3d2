#pragma once
// Runs the zorva-emu program for a test, and talks to it through its serial link.
#include <sys/types.h>

#include <string>
#include <string_view>
#include <vector>

#include "unique_fd.h"

namespace tonquil::emu::testing {

class EmulatorProcess {
 public:
  explicit EmulatorProcess(const std::vector<std::string>& args);
  EmulatorProcess(const EmulatorProcess&) = delete;
  EmulatorProcess& operator=(const EmulatorProcess&) = delete;
  ~EmulatorProcess();  // kills the program if it still runs

  // The tty of the "ready <tty>" line, or empty text when none came in time.
  std::string WaitReady(int timeout_ms);
  void Signal(int signal) const;
  // The exit status, or -1 when the program did not end in time.
  int WaitExit(int timeout_ms);

 private:
  pid_t pid_ = -1;
  UniqueFd stdout_;
};

// The far end of the line, as the program under Wine opens it: the link, in raw mode.
class SerialEnd {
 public:
  explicit SerialEnd(const std::string& path);

  bool is_open() const { return fd_.valid(); }
  void Write(std::string_view bytes) const;
  // Everything that arrives until the text read so far ends with end, or until the
  // time-out.
  std::string ReadUntil(std::string_view end, int timeout_ms) const;
  // Everything that arrives within the time.
  std::string ReadFor(int ms) const;

 private:
  UniqueFd fd_;
};

}  // namespace tonquil::emu::testing
