#include "open_gate.h"

#include <fcntl.h>
#include <limits.h>
#include <poll.h>
#include <sys/fanotify.h>
#include <unistd.h>

#include <filesystem>

namespace tonquil::e2e {
namespace {

std::string PathOf(int fd) {
  char path[PATH_MAX];
  const std::string link = "/proc/self/fd/" + std::to_string(fd);
  const ssize_t length = readlink(link.c_str(), path, sizeof path - 1);
  return length > 0 ? std::string(path, static_cast<size_t>(length)) : std::string();
}

}  // namespace

OpenGate::OpenGate(const std::string& folder, std::string prefix)
    : folder_(std::filesystem::canonical(folder).string()), prefix_(std::move(prefix)) {
  fanotify_ = fanotify_init(FAN_CLASS_CONTENT | FAN_CLOEXEC, O_RDONLY | O_LARGEFILE);
  if (fanotify_ < 0) return;
  if (fanotify_mark(fanotify_, FAN_MARK_ADD, FAN_OPEN_PERM | FAN_EVENT_ON_CHILD, AT_FDCWD, folder_.c_str()) != 0 ||
      pipe(stop_pipe_) != 0) {
    close(fanotify_);
    fanotify_ = -1;
    return;
  }
  thread_ = std::thread([this] { Serve(); });
}

OpenGate::~OpenGate() {
  if (fanotify_ < 0) return;
  const char stop = 0;
  if (write(stop_pipe_[1], &stop, 1) != 1) {
    // The thread would wait for the next event; the pipe cannot fail to take one byte.
  }
  thread_.join();
  close(stop_pipe_[0]);
  close(stop_pipe_[1]);
  close(fanotify_);
}

void OpenGate::Arm(int count, std::function<void()> action) {
  const std::lock_guard<std::mutex> lock(mutex_);
  armed_ = true;
  trigger_ = count;
  action_ = std::move(action);
  opened_.clear();
}

std::vector<std::string> OpenGate::Opened() {
  const std::lock_guard<std::mutex> lock(mutex_);
  return opened_;
}

void OpenGate::Serve() {
  alignas(fanotify_event_metadata) char buffer[4096];
  for (;;) {
    pollfd fds[2] = {{fanotify_, POLLIN, 0}, {stop_pipe_[0], POLLIN, 0}};
    if (poll(fds, 2, -1) < 0) continue;
    if (fds[1].revents != 0) return;
    const ssize_t length = read(fanotify_, buffer, sizeof buffer);
    if (length <= 0) continue;
    auto* event = reinterpret_cast<fanotify_event_metadata*>(buffer);
    for (ssize_t left = length; FAN_EVENT_OK(event, left); event = FAN_EVENT_NEXT(event, left)) {
      if (event->fd >= 0) Let(event->fd, PathOf(event->fd));
    }
  }
}

// Every open is let through in the end; the chosen one only after the action.
void OpenGate::Let(int event_fd, const std::string& path) {
  const std::filesystem::path file(path);
  std::function<void()> action;
  if (file.parent_path() == folder_ && file.filename().string().rfind(prefix_, 0) == 0) {
    const std::lock_guard<std::mutex> lock(mutex_);
    if (armed_) {
      opened_.push_back(file.filename().string());
      if (static_cast<int>(opened_.size()) == trigger_) action = action_;
    }
  }
  if (action) action();
  const fanotify_response response{event_fd, FAN_ALLOW};
  if (write(fanotify_, &response, sizeof response) != sizeof response) {
    // Nothing to do: the kernel lets the open through when the group goes away.
  }
  close(event_fd);
}

}  // namespace tonquil::e2e
