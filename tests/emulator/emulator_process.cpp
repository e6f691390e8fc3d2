#include "emulator_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "pty_link.h"

extern char** environ;

namespace tonquil::emu::testing {
namespace {

using Clock = std::chrono::steady_clock;

int MsLeft(Clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
  return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

// One read of what is there within ms; empty when nothing came.
std::string ReadSome(int fd, int ms) {
  pollfd pfd{fd, POLLIN, 0};
  if (::poll(&pfd, 1, ms) <= 0 || !(pfd.revents & POLLIN)) return {};
  char buffer[65536];
  const ssize_t count = ::read(fd, buffer, sizeof buffer);
  return count > 0 ? std::string(buffer, static_cast<std::size_t>(count)) : std::string();
}

bool EndsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

}  // namespace

EmulatorProcess::EmulatorProcess(const std::vector<std::string>& args) {
  int pipe_fds[2];
  if (::pipe2(pipe_fds, O_CLOEXEC) != 0) return;
  stdout_.Reset(pipe_fds[0]);
  UniqueFd write_end(pipe_fds[1]);
  std::vector<std::string> argv_text = {ZORVA_EMU_PATH};
  argv_text.insert(argv_text.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& arg : argv_text) argv.push_back(arg.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, write_end.get(), STDOUT_FILENO);
  if (::posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
  posix_spawn_file_actions_destroy(&actions);
}

EmulatorProcess::~EmulatorProcess() {
  if (pid_ <= 0) return;
  ::kill(pid_, SIGKILL);
  ::waitpid(pid_, nullptr, 0);
}

std::string EmulatorProcess::WaitReady(int timeout_ms) {
  const auto deadline = Clock::now() + std::chrono::milliseconds(timeout_ms);
  std::string out;
  while (out.find('\n') == std::string::npos) {
    const std::string more = ReadSome(stdout_.get(), MsLeft(deadline));
    if (more.empty()) return {};
    out += more;
  }
  const std::string line = out.substr(0, out.find('\n'));
  return line.rfind("ready ", 0) == 0 ? line.substr(6) : std::string();
}

void EmulatorProcess::Signal(int signal) const {
  if (pid_ > 0) ::kill(pid_, signal);
}

int EmulatorProcess::WaitExit(int timeout_ms) {
  const auto deadline = Clock::now() + std::chrono::milliseconds(timeout_ms);
  while (pid_ > 0) {
    int status = 0;
    if (::waitpid(pid_, &status, WNOHANG) == pid_) {
      pid_ = -1;
      return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    if (MsLeft(deadline) == 0) return -1;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return -1;
}

SerialEnd::SerialEnd(const std::string& path)
    : fd_(::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC)) {
  if (fd_.valid() && !MakeRaw(fd_.get())) fd_.Reset();
}

void SerialEnd::Write(std::string_view bytes) const {
  [[maybe_unused]] const ssize_t written = ::write(fd_.get(), bytes.data(), bytes.size());
}

std::string SerialEnd::ReadUntil(std::string_view end, int timeout_ms) const {
  const auto deadline = Clock::now() + std::chrono::milliseconds(timeout_ms);
  std::string text;
  while (!EndsWith(text, end) && MsLeft(deadline) > 0) text += ReadSome(fd_.get(), MsLeft(deadline));
  return text;
}

std::string SerialEnd::ReadFor(int ms) const {
  const auto deadline = Clock::now() + std::chrono::milliseconds(ms);
  std::string text;
  while (MsLeft(deadline) > 0) text += ReadSome(fd_.get(), MsLeft(deadline));
  return text;
}

}  // namespace tonquil::emu::testing
