#pragma once
// The serial link to the module: open a COM port with the fixed line settings, write a
// command, read what has arrived, close. Every call runs to its end; a write and a
// read that found bytes end with a fixed pause that gives the module time to answer.
#include <string>
#include <string_view>

#include "device/comm_api.h"

namespace tonquil {

class PortLink {
 public:
  static constexpr unsigned kPauseMs = 100;
  static constexpr char16_t kLineSettings[] = u"baud=230400 parity=N data=8 stop=1";

  explicit PortLink(CommApi& api) : api_(api) {}
  // A link going away, on an error or at the end, lets go of the port it holds.
  ~PortLink() { ClosePort(); }
  PortLink(const PortLink&) = delete;
  PortLink& operator=(const PortLink&) = delete;

  // Opens "\\.\<name>". False when it did not open, or when a port is already held
  // (the held port stays as it is).
  bool OpenPort(const std::u16string& name);
  // False when no port is held or closing failed; the handle then stays as it was.
  bool ClosePort();
  void WriteCommand(std::string_view command);
  // The bytes waiting at this moment, up to the first zero byte; empty at once when
  // nothing waits or the port's status cannot be read.
  std::string ReadReply();

  bool HoldsPort() const { return PortHandle != 0; }
  // The name the held port was opened with; empty when none is held.
  const std::u16string& HeldPortName() const { return held_name_; }
  // The platform calls this link makes; another link may share them.
  CommApi& api() const { return api_; }
  // A fixed pause, as the link's own pauses are made.
  void Pause(unsigned milliseconds) { api_.Sleep(milliseconds); }

  // The held port, 0 when none.
  PortId PortHandle = 0;

 private:
  CommApi& api_;
  std::u16string held_name_;
};

}  // namespace tonquil
