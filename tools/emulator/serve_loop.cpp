#include "serve_loop.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>
#include <utility>

#include "reply_shaping.h"
#include "state_file.h"

namespace tonquil::emu {
namespace {

constexpr std::int64_t kSplitPauseMs = 5;
constexpr std::size_t kReadSize = 4096;

}  // namespace

ServeLoop::ServeLoop(const Options& options, Module& module, int line_fd, SignalSource& signals,
                     ByteLog& log)
    : options_(options),
      module_(module),
      line_(line_fd),
      signals_(signals),
      log_(log),
      start_(std::chrono::steady_clock::now()),
      next_unprompted_ms_(options.unprompted_ms),
      burst_pending_(options.burst > 0) {
  // The state file shows this module from the start, before anyone is told the line is
  // ready: a module linked anew must never be read with the state of the last one.
  SaveState();
}

void ServeLoop::Run() {
  while (!stop_) {
    const std::int64_t now = Now();
    FlushDue(now);
    RunUnpromptedTimer(now);
    WaitForEvents(now);
  }
}

std::int64_t ServeLoop::Now() const {
  const auto elapsed = std::chrono::steady_clock::now() - start_;
  return std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count();
}

int ServeLoop::PollTimeout(std::int64_t now) const {
  std::int64_t wake = -1;
  const auto due = output_.NextDue();
  if (due && !line_full_) wake = *due;
  if (options_.unprompted_ms > 0 && (wake < 0 || next_unprompted_ms_ < wake)) {
    wake = next_unprompted_ms_;
  }
  if (wake < 0) return -1;
  return static_cast<int>(std::clamp<std::int64_t>(wake - now, 0, 60 * 1000));
}

void ServeLoop::WaitForEvents(std::int64_t now) {
  const short line_events = static_cast<short>(POLLIN | (line_full_ ? POLLOUT : 0));
  pollfd fds[2] = {{line_, line_events, 0}, {signals_.fd(), POLLIN, 0}};
  if (::poll(fds, 2, PollTimeout(now)) < 0) {
    if (errno == EINTR) return;
    throw std::system_error(errno, std::generic_category(), "poll");
  }
  const std::int64_t woke = Now();
  if (fds[1].revents & POLLIN) TakeSignals(woke);
  if (fds[0].revents & POLLOUT) line_full_ = false;
  if (fds[0].revents & POLLIN) ReadLine(woke);
  if (fds[0].revents & (POLLERR | POLLNVAL)) {
    throw std::runtime_error("the pseudo-terminal failed");
  }
}

void ServeLoop::ReadLine(std::int64_t now) {
  char buffer[kReadSize];
  const ssize_t count = ::read(line_, buffer, sizeof buffer);
  if (count <= 0) return;
  const std::string_view bytes(buffer, static_cast<std::size_t>(count));
  log_.Record(now, bytes);
  for (const char command : bytes) HandleCommand(command, now);
}

void ServeLoop::HandleCommand(char command, std::int64_t now) {
  // What the last reply held back goes out ahead of this command's reply.
  if (!held_.empty()) SendPieces(std::exchange(held_, {}), now);
  std::string reply = module_.Handle(command, now);
  if (command == 'P' && burst_pending_) {
    reply += BurstText(options_.burst);
    burst_pending_ = false;
  }
  SaveState();
  Send(std::move(reply), now + options_.delay_ms);
}

void ServeLoop::TakeSignals(std::int64_t now) {
  while (const auto number = signals_.Take()) {
    if (*number == SIGUSR1) {
      MoveOnByItself(now);
    } else {
      stop_ = true;
    }
  }
}

void ServeLoop::MoveOnByItself(std::int64_t now) {
  std::string report = module_.MoveOnByItself(now);
  SaveState();
  Send(std::move(report), now);
}

void ServeLoop::RunUnpromptedTimer(std::int64_t now) {
  if (options_.unprompted_ms <= 0 || now < next_unprompted_ms_) return;
  MoveOnByItself(now);
  // A timer that fell behind starts afresh instead of firing several times at once.
  next_unprompted_ms_ += options_.unprompted_ms;
  if (next_unprompted_ms_ <= now) next_unprompted_ms_ = now + options_.unprompted_ms;
}

void ServeLoop::Send(std::string reply, std::int64_t due_ms) {
  if (options_.silent) return;
  held_ += CutReply(reply, options_.shape);
  SendPieces(std::move(reply), due_ms);
}

void ServeLoop::SendPieces(std::string reply, std::int64_t due_ms) {
  std::int64_t piece_due = due_ms;
  for (std::string& piece : ShapeReply(std::move(reply), options_.shape)) {
    output_.Push(std::move(piece), piece_due);
    piece_due += kSplitPauseMs;
  }
}

void ServeLoop::FlushDue(std::int64_t now) {
  for (std::string_view ready = output_.Ready(now); !ready.empty() && !line_full_;
       ready = output_.Ready(now)) {
    const ssize_t written = ::write(line_, ready.data(), ready.size());
    if (written >= 0) {
      output_.Consume(static_cast<std::size_t>(written));
    } else if (errno == EAGAIN) {
      line_full_ = true;
    } else if (errno != EINTR) {
      output_.Consume(ready.size());  // a line that refuses bytes loses them, like a cable
    }
  }
}

void ServeLoop::SaveState() const {
  if (!options_.state.empty()) WriteStateFile(options_.state, FormatState(module_.Status()));
}

}  // namespace tonquil::emu
