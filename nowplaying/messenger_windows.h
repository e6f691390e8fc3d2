#pragma once
// The running messengers' windows as the notice needs them: found one after another by
// their window class, each sent one copy-data message.
#include <cstdint>
#include <string_view>

namespace tonquil {

using MessengerWindow = std::uintptr_t;  // a window handle; 0 stands for none

inline constexpr char16_t kMessengerWindowClass[] = u"MsnMsgrUIManager";

class MessengerWindows {
 public:
  virtual ~MessengerWindows() = default;
  // The next top-level window of the messenger's class after `after` in the platform's
  // order, from the first when `after` is 0; 0 when there is none.
  virtual MessengerWindow Next(MessengerWindow after) = 0;
  // One copy-data message with the id and the bytes (terminating NUL included). Returns
  // once the window has handled it or has been given up on; the outcome is not reported.
  virtual void SendCopyData(MessengerWindow window, std::uintptr_t data_id, std::string_view bytes) = 0;
};

}  // namespace tonquil
