#pragma once
// The messenger windows on Win32: top-level windows of the messenger's class, each sent
// WM_COPYDATA with a bounded wait.
#include "nowplaying/messenger_windows.h"

namespace tonquil {

class Win32MessengerWindows : public MessengerWindows {
 public:
  MessengerWindow Next(MessengerWindow after) override;
  void SendCopyData(MessengerWindow window, std::uintptr_t data_id, std::string_view bytes) override;
};

}  // namespace tonquil
