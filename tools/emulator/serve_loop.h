#pragma once
// The emulator at work: reads command bytes from the line, answers through the
// module, sends replies when they are due, moves on by itself when asked to, and
// stops on SIGTERM or SIGINT. One thread; poll() with time-outs does the timing.
#include <chrono>
#include <cstdint>
#include <string>

#include "byte_log.h"
#include "module.h"
#include "options.h"
#include "output_queue.h"
#include "signal_source.h"

namespace tonquil::emu {

class ServeLoop {
 public:
  ServeLoop(const Options& options, Module& module, int line_fd, SignalSource& signals,
            ByteLog& log);

  void Run();

 private:
  std::int64_t Now() const;
  int PollTimeout(std::int64_t now) const;
  void WaitForEvents(std::int64_t now);
  void ReadLine(std::int64_t now);
  void HandleCommand(char command, std::int64_t now);
  void TakeSignals(std::int64_t now);
  void MoveOnByItself(std::int64_t now);
  void RunUnpromptedTimer(std::int64_t now);
  void Send(std::string reply, std::int64_t due_ms);
  void SendPieces(std::string reply, std::int64_t due_ms);
  void FlushDue(std::int64_t now);
  void SaveState() const;

  const Options& options_;
  Module& module_;
  int line_;
  SignalSource& signals_;
  ByteLog& log_;
  OutputQueue output_;
  std::chrono::steady_clock::time_point start_;
  std::int64_t next_unprompted_ms_ = 0;
  bool line_full_ = false;  // the last write found no room: wait until it is writable
  bool burst_pending_ = false;
  std::string held_;  // the part of the last reply that waits for the next command
  bool stop_ = false;
};

}  // namespace tonquil::emu
