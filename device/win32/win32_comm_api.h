#pragma once
// The serial port calls on Win32.
#include "device/comm_api.h"

namespace tonquil {

class Win32CommApi : public CommApi {
 public:
  std::optional<PortId> Open(const std::u16string& device_path) override;
  void Configure(PortId port, const std::u16string& definition) override;
  bool Close(PortId port) override;
  bool Write(PortId port, std::string_view bytes) override;
  std::optional<std::size_t> Waiting(PortId port) override;
  std::string Read(PortId port, std::size_t count) override;
  void Sleep(unsigned milliseconds) override;
};

}  // namespace tonquil
