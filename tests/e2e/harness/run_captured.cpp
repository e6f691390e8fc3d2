// RunCaptured: a short command whose output the test reads, such as one driver call.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

#include "child_process.h"

namespace tonquil::e2e {
namespace {

struct Pipe {
  int read = -1;
  int write = -1;
  Pipe() {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) throw std::runtime_error("pipe2 failed");
    fcntl(fds[0], F_SETFL, O_NONBLOCK);
    read = fds[0];
    write = fds[1];
  }
  ~Pipe() {
    CloseRead();
    CloseWrite();
  }
  Pipe(const Pipe&) = delete;
  Pipe& operator=(const Pipe&) = delete;
  void CloseRead() {
    if (read >= 0) close(read);
    read = -1;
  }
  void CloseWrite() {
    if (write >= 0) close(write);
    write = -1;
  }
};

constexpr int kPollMs = 20;

// Moves what is waiting in the pipe into text, and closes the pipe at its end.
void Drain(Pipe& pipe, std::string& text) {
  char buffer[4096];
  while (pipe.read >= 0) {
    const ssize_t count = ::read(pipe.read, buffer, sizeof buffer);
    if (count > 0) {
      text.append(buffer, static_cast<size_t>(count));
    } else if (count == 0 || errno != EINTR) {
      if (count == 0 || errno != EAGAIN) pipe.CloseRead();
      return;
    }
  }
}

}  // namespace

CommandResult RunCaptured(const std::vector<std::string>& argv, milliseconds timeout) {
  Pipe out;
  Pipe err;
  const pid_t pid = SpawnInOwnGroup(argv, out.write, err.write);
  out.CloseWrite();
  err.CloseWrite();
  CommandResult result;
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  int status = 0;
  bool exited = false;
  // Ends with the command, not with its pipes: a process it started in the background
  // (a Wine service, say) may hold them open for good.
  while (!exited && std::chrono::steady_clock::now() < deadline) {
    pollfd fds[2] = {{out.read, POLLIN, 0}, {err.read, POLLIN, 0}};
    poll(fds, 2, kPollMs);
    Drain(out, result.out);
    Drain(err, result.err);
    exited = waitpid(pid, &status, WNOHANG) == pid;
  }
  if (!exited) {
    kill(-pid, SIGKILL);
    waitpid(pid, &status, 0);
  }
  Drain(out, result.out);
  Drain(err, result.err);
  result.exit_code = exited ? ExitCodeOf(status) : -1;
  return result;
}

}  // namespace tonquil::e2e
