#include "device/port_link.h"

namespace tonquil {

bool PortLink::OpenPort(const std::u16string& name) {
  // One handle at a time: opening over a held port would leak it.
  if (HoldsPort()) return false;
  const std::optional<PortId> port = api_.Open(u"\\\\.\\" + name);
  if (!port) return false;
  PortHandle = *port;
  held_name_ = name;
  api_.Configure(PortHandle, kLineSettings);
  return true;
}

bool PortLink::ClosePort() {
  if (!HoldsPort() || !api_.Close(PortHandle)) return false;
  PortHandle = 0;
  held_name_.clear();
  return true;
}

void PortLink::WriteCommand(std::string_view command) {
  api_.Write(PortHandle, command);
  Pause(kPauseMs);
}

std::string PortLink::ReadReply() {
  const std::optional<std::size_t> waiting = api_.Waiting(PortHandle);
  if (!waiting || *waiting == 0) return {};
  std::string bytes = api_.Read(PortHandle, *waiting);
  Pause(kPauseMs);
  const std::size_t end = bytes.find('\0');
  if (end != std::string::npos) bytes.resize(end);
  return bytes;
}

}  // namespace tonquil
