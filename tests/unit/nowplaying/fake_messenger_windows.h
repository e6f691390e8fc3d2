#pragma once
// Messenger windows in memory: a list of handles in the platform's order, and every
// copy-data message sent, with the window it went to.
#include <algorithm>
#include <string>
#include <vector>

#include "nowplaying/messenger_windows.h"

namespace tonquil::testing {

struct SentCopyData {
  MessengerWindow window;
  std::uintptr_t data_id;
  std::string bytes;
};

class FakeMessengerWindows : public MessengerWindows {
 public:
  std::vector<MessengerWindow> windows;  // in enumeration order
  std::vector<MessengerWindow> asked_after;
  std::vector<SentCopyData> sent;

  MessengerWindow Next(MessengerWindow after) override {
    asked_after.push_back(after);
    auto next = windows.begin();
    if (after != 0) {
      next = std::find(windows.begin(), windows.end(), after);
      if (next != windows.end()) ++next;
    }
    return next == windows.end() ? 0 : *next;
  }
  void SendCopyData(MessengerWindow window, std::uintptr_t data_id, std::string_view bytes) override {
    sent.push_back({window, data_id, std::string(bytes)});
  }
};

}  // namespace tonquil::testing
