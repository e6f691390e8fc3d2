#pragma once
// zorva-emu linked into the Wine prefix as a COM port, for one test.
#include <sys/types.h>

#include <memory>
#include <string>
#include <vector>

#include "child_process.h"
#include "temp_dir.h"

namespace tonquil::e2e {

// One read from the line as the emulator logged it: when, since its start, and the bytes.
struct TimedRead {
  long long ms = 0;
  std::string bytes;
};

class Emulator {
 public:
  // Links the emulated module as COM<com_number> and waits until it is ready.
  Emulator(int com_number, const TempDir& folder, const std::vector<std::string>& extra_args = {});
  ~Emulator();
  Emulator(const Emulator&) = delete;
  Emulator& operator=(const Emulator&) = delete;

  std::string PortName() const { return "COM" + std::to_string(com_number_); }
  const std::string& Tty() const { return tty_; }
  // What each read from the line returned, in order: the bytes the program wrote.
  std::vector<std::string> Reads() const;
  std::vector<TimedRead> TimedReads() const;
  // SIGUSR1 makes the module move on to the next song by itself and report it.
  void Signal(int number) const;
  // The cable pulled: the emulator is killed and gone once this returns, so the port's
  // terminal is hung up, and the port's name is gone. Its reads stay readable.
  void Unplug();
  std::string Output() const { return ReadWholeFile(output_path_); }
  // The processes besides the emulator (which keeps its own end open) that have the
  // port's terminal open: the program under test, or the wineserver on its behalf.
  std::vector<pid_t> OtherHolders() const;

 private:
  int com_number_;
  std::string link_;
  std::string output_path_;
  std::string log_path_;
  std::string tty_;
  std::unique_ptr<ChildProcess> process_;
};

// The processes that have path open (the serial port's terminal, for instance).
std::vector<pid_t> ProcessesHolding(const std::string& path);

}  // namespace tonquil::e2e
