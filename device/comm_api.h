#pragma once
// The platform's serial port calls, one method per call the link makes, so that the
// link's sequence of calls can be tested against a fake that records them.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tonquil {

using PortId = std::uintptr_t;  // a port handle; 0 stands for none

class CommApi {
 public:
  virtual ~CommApi() = default;
  // Opens the device path exclusively for synchronous reading and writing;
  // nullopt when the open failed.
  virtual std::optional<PortId> Open(const std::u16string& device_path) = 0;
  // Reads the port's line settings, changes them by the definition string, and
  // writes them back; the outcome is not reported.
  virtual void Configure(PortId port, const std::u16string& definition) = 0;
  virtual bool Close(PortId port) = 0;
  // One synchronous write of all bytes; false when the call failed (how many bytes went
  // out is not looked at).
  virtual bool Write(PortId port, std::string_view bytes) = 0;
  // Clears the port's error state and gives the count of bytes waiting in the input
  // queue; nullopt when the status call failed.
  virtual std::optional<std::size_t> Waiting(PortId port) = 0;
  // One synchronous read of `count` bytes into a zero-filled buffer of count + 1
  // bytes; gives the buffer's first `count` bytes, zero where nothing was read.
  virtual std::string Read(PortId port, std::size_t count) = 0;
  virtual void Sleep(unsigned milliseconds) = 0;
};

}  // namespace tonquil
