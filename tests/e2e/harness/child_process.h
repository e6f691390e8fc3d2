#pragma once
// Child processes for the tests: each runs in a process group of its own so that it can be
// ended with everything it started, and none outlives its owner.
#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace tonquil::e2e {

using std::chrono::milliseconds;

class ChildProcess {
 public:
  // Starts argv[0] (looked up in PATH) with stdout and stderr appended to output_path.
  ChildProcess(const std::vector<std::string>& argv, const std::string& output_path);
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  pid_t pid() const { return pid_; }
  // The exit code (128 + the signal number after a signal) if the process ended within
  // the timeout.
  std::optional<int> WaitExit(milliseconds timeout);
  bool Running();
  // SIGTERM, then SIGKILL to the whole group when the process has not ended in time.
  void Stop(milliseconds grace);

 private:
  pid_t pid_ = -1;
  std::optional<int> exit_code_;
};

struct CommandResult {
  int exit_code = -1;  // -1 when it timed out and was killed
  std::string out;
  std::string err;
};

// Runs a command to its end, capturing its output; kills it when the timeout passes.
CommandResult RunCaptured(const std::vector<std::string>& argv, milliseconds timeout);

// Starts argv in a new process group with the given descriptors as stdout and stderr.
pid_t SpawnInOwnGroup(const std::vector<std::string>& argv, int out_fd, int err_fd);
// Decodes a waitpid status into an exit code as ChildProcess reports it.
int ExitCodeOf(int status);

}  // namespace tonquil::e2e
