#pragma once
// The serial link to the module: open a COM port with the fixed line settings, write a
// command, read what has arrived, close. Every call runs to its end; a write and a
// read that found bytes end with a fixed pause that gives the module time to answer.
//
// A held port whose device has gone (unplugged, switched off) makes the write or the
// queue-status call fail: the port is then lost. It still counts as held, since the user
// never closed it, until Reopen brings it back under the same name or ClosePort ends it.
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
  // False when no port is held or closing failed; the handle then stays as it was. A
  // lost port always closes: its dead handle is let go whatever the platform says.
  bool ClosePort();
  void WriteCommand(std::string_view command);
  // The bytes waiting at this moment, up to the first zero byte; empty at once when
  // nothing waits or the port's status cannot be read.
  std::string ReadReply();
  // Brings a lost port back: lets go of its dead handle and opens the same name again
  // with the same line settings. True when the port is held and working again; false
  // when it was not lost, or when it does not open yet (it stays lost, without a handle).
  bool Reopen();

  // From a successful OpenPort to a successful ClosePort, lost or not.
  bool HoldsPort() const { return handle_ != 0 || lost_; }
  bool IsLost() const { return lost_; }
  // The name the held port was opened with; empty when none is held.
  const std::u16string& HeldPortName() const { return held_name_; }
  // The platform calls this link makes; another link may share them.
  CommApi& api() const { return api_; }
  // A fixed pause, as the link's own pauses are made.
  void Pause(unsigned milliseconds) { api_.Sleep(milliseconds); }

  // The held port, 0 when none (or when a lost port's handle has been let go).
  PortId PortHandle() const { return handle_; }

 private:
  bool Open(const std::u16string& name);
  // Lets go of a lost port's handle, if it still has one.
  void DropDeadHandle();
  void Forget();
  // A failed call on a held handle means the device behind it has gone.
  void NoteFailure() {
    if (handle_ != 0) lost_ = true;
  }

  CommApi& api_;
  PortId handle_ = 0;
  std::u16string held_name_;
  bool lost_ = false;
};

}  // namespace tonquil
