#pragma once
// The link's platform calls over POSIX terminals, for timing the portable link code
// natively: "\\.\COMn" opens DIR/comn (a folder of symlinks to terminals, as a Wine
// prefix's dosdevices is), raw at 230400 baud. Sleep really sleeps and keeps a tally,
// so that a caller can take the pauses out of a time it measured.
#include <chrono>
#include <set>
#include <string>

#include "device/comm_api.h"

namespace tonquil::bench {

struct SleepTally {
  unsigned calls = 0;
  std::chrono::nanoseconds slept{0};
  std::chrono::nanoseconds sleep_cpu{0};  // this thread's processor time inside the pauses
};

// This thread's processor time so far.
std::chrono::nanoseconds ThreadCpuTime();

class PosixCommApi : public CommApi {
 public:
  explicit PosixCommApi(std::string device_dir) : device_dir_(std::move(device_dir)) {}
  PosixCommApi(const PosixCommApi&) = delete;
  PosixCommApi& operator=(const PosixCommApi&) = delete;
  ~PosixCommApi() override;  // closes every port still open

  std::optional<PortId> Open(const std::u16string& device_path) override;
  void Configure(PortId port, const std::u16string& definition) override;
  bool Close(PortId port) override;
  bool Write(PortId port, std::string_view bytes) override;
  std::optional<std::size_t> Waiting(PortId port) override;
  std::string Read(PortId port, std::size_t count) override;
  void Sleep(unsigned milliseconds) override;

  const SleepTally& Slept() const { return tally_; }

 private:
  std::string device_dir_;
  std::set<int> open_fds_;
  SleepTally tally_;
};

}  // namespace tonquil::bench
