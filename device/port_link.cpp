#include "device/port_link.h"

namespace tonquil {

bool PortLink::Open(const std::u16string& name) {
  const std::optional<PortId> port = api_.Open(u"\\\\.\\" + name);
  if (!port) return false;
  handle_ = *port;
  api_.Configure(handle_, kLineSettings);
  return true;
}

void PortLink::Forget() {
  handle_ = 0;
  lost_ = false;
  held_name_.clear();
}

bool PortLink::OpenPort(const std::u16string& name) {
  // One handle at a time: opening over a held port would leak it.
  if (HoldsPort() || !Open(name)) return false;
  held_name_ = name;
  return true;
}

void PortLink::DropDeadHandle() {
  // Dead already: whether the platform agrees to close it changes nothing.
  if (handle_ != 0) api_.Close(handle_);
  handle_ = 0;
}

bool PortLink::ClosePort() {
  if (lost_) {
    DropDeadHandle();
    Forget();
    return true;
  }
  if (!HoldsPort() || !api_.Close(handle_)) return false;
  Forget();
  return true;
}

void PortLink::WriteCommand(std::string_view command) {
  if (!api_.Write(handle_, command)) NoteFailure();
  Pause(kPauseMs);
}

std::string PortLink::ReadReply() {
  const std::optional<std::size_t> waiting = api_.Waiting(handle_);
  if (!waiting) NoteFailure();
  if (!waiting || *waiting == 0) return {};
  std::string bytes = api_.Read(handle_, *waiting);
  Pause(kPauseMs);
  const std::size_t end = bytes.find('\0');
  if (end != std::string::npos) bytes.resize(end);
  return bytes;
}

bool PortLink::Reopen() {
  if (!lost_) return false;
  DropDeadHandle();
  if (!Open(held_name_)) return false;
  lost_ = false;
  return true;
}

}  // namespace tonquil
