#include "signal_source.h"

#include <sys/signalfd.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace tonquil::emu {

SignalSource::SignalSource() {
  sigemptyset(&set_);
  sigaddset(&set_, SIGTERM);
  sigaddset(&set_, SIGINT);
  sigaddset(&set_, SIGUSR1);
  if (::sigprocmask(SIG_BLOCK, &set_, &previous_) != 0) {
    throw std::system_error(errno, std::generic_category(), "sigprocmask");
  }
  fd_.Reset(::signalfd(-1, &set_, SFD_NONBLOCK | SFD_CLOEXEC));
  if (!fd_.valid()) {
    const int error = errno;
    ::sigprocmask(SIG_SETMASK, &previous_, nullptr);
    throw std::system_error(error, std::generic_category(), "signalfd");
  }
}

SignalSource::~SignalSource() {
  fd_.Reset();
  ::sigprocmask(SIG_SETMASK, &previous_, nullptr);
}

std::optional<int> SignalSource::Take() {
  signalfd_siginfo info {};
  if (::read(fd_.get(), &info, sizeof info) != static_cast<ssize_t>(sizeof info)) {
    return std::nullopt;
  }
  return static_cast<int>(info.ssi_signo);
}

}  // namespace tonquil::emu
