#include "child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>
#include <thread>

extern char** environ;

namespace tonquil::e2e {
namespace {

constexpr milliseconds kPoll{20};

class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

pid_t SpawnInOwnGroup(const std::vector<std::string>& argv, int out_fd, int err_fd) {
  std::vector<char*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, out_fd, STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, err_fd, STDERR_FILENO);
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
  posix_spawnattr_setpgroup(&attributes, 0);
  pid_t pid = -1;
  const int error = posix_spawnp(&pid, args[0], &actions, &attributes, args.data(), environ);
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0) throw std::runtime_error("cannot start " + argv[0]);
  return pid;
}

int ExitCodeOf(int status) {
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return -1;
}

ChildProcess::ChildProcess(const std::vector<std::string>& argv, const std::string& output_path) {
  Fd output(open(output_path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644));
  if (output.get() < 0) throw std::runtime_error("cannot create " + output_path);
  pid_ = SpawnInOwnGroup(argv, output.get(), output.get());
}

ChildProcess::~ChildProcess() {
  Stop(milliseconds(0));
}

std::optional<int> ChildProcess::WaitExit(milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!exit_code_) {
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
      exit_code_ = ExitCodeOf(status);
      break;
    }
    if (std::chrono::steady_clock::now() >= deadline) break;
    std::this_thread::sleep_for(kPoll);
  }
  return exit_code_;
}

bool ChildProcess::Running() {
  return !WaitExit(milliseconds(0));
}

void ChildProcess::Stop(milliseconds grace) {
  if (!exit_code_ && grace.count() > 0) {
    kill(pid_, SIGTERM);
    WaitExit(grace);
  }
  // The group may hold helpers even after the leader has gone.
  kill(-pid_, SIGKILL);
  if (!exit_code_) {
    int status = 0;
    waitpid(pid_, &status, 0);
    exit_code_ = ExitCodeOf(status);
  }
}

}  // namespace tonquil::e2e
