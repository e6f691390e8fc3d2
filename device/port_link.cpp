#include "device/port_link.h"

namespace tonquil {

bool PortLink::Open(const std::u16string& name) {
  const std::optional<PortId> port = api_.Open(u"\\\\.\\" + name);
  if (!port) return false;
  PortHandle = *port;
  api_.Configure(PortHandle, kLineSettings);
  return true;
}

void PortLink::Forget() {
  PortHandle = 0;
  lost_ = false;
  held_name_.clear();
}

bool PortLink::OpenPort(const std::u16string& name) {
  // One handle at a time: opening over a held port would leak it.
  if (HoldsPort() || !Open(name)) return false;
  held_name_ = name;
  return true;
}

bool PortLink::ClosePort() {
  if (lost_) {
    if (PortHandle != 0) api_.Close(PortHandle);
    Forget();
    return true;
  }
  if (!HoldsPort() || !api_.Close(PortHandle)) return false;
  Forget();
  return true;
}

void PortLink::WriteCommand(std::string_view command) {
  if (!api_.Write(PortHandle, command)) NoteFailure();
  Pause(kPauseMs);
}

std::string PortLink::ReadReply() {
  const std::optional<std::size_t> waiting = api_.Waiting(PortHandle);
  if (!waiting) NoteFailure();
  if (!waiting || *waiting == 0) return {};
  std::string bytes = api_.Read(PortHandle, *waiting);
  Pause(kPauseMs);
  const std::size_t end = bytes.find('\0');
  if (end != std::string::npos) bytes.resize(end);
  return bytes;
}

bool PortLink::Reopen() {
  if (!lost_) return false;
  if (PortHandle != 0) {
    // Dead already: whether the platform agrees to close it changes nothing.
    api_.Close(PortHandle);
    PortHandle = 0;
  }
  if (!Open(held_name_)) return false;
  lost_ = false;
  return true;
}

}  // namespace tonquil
