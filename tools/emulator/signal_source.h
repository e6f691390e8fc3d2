#pragma once
// Delivers SIGTERM, SIGINT and SIGUSR1 as readable events on a descriptor that the
// serve loop polls with the line, instead of as asynchronous handlers. The signals
// are blocked while the object lives and unblocked again afterwards.
#include <signal.h>

#include <optional>

#include "unique_fd.h"

namespace tonquil::emu {

class SignalSource {
 public:
  SignalSource();  // throws std::system_error
  SignalSource(const SignalSource&) = delete;
  SignalSource& operator=(const SignalSource&) = delete;
  ~SignalSource();

  int fd() const { return fd_.get(); }

  // The next pending signal number, if any.
  std::optional<int> Take();

 private:
  sigset_t set_ {};
  sigset_t previous_ {};
  UniqueFd fd_;
};

}  // namespace tonquil::emu
