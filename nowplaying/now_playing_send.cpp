#include "nowplaying/now_playing_send.h"

#include <string>

#include "nowplaying/notice_text.h"

namespace tonquil {

std::size_t SendNowPlaying(MessengerWindows& windows, const TNowPlayingInfo& info, bool enabled) {
  std::size_t count = 0;
  for (MessengerWindow window = windows.Next(0); window != 0; window = windows.Next(window)) {
    SendNowPlayingTo(windows, window, info, enabled);
    ++count;
  }
  return count;
}

void SendNowPlayingTo(MessengerWindows& windows, MessengerWindow window, const TNowPlayingInfo& info,
                      bool enabled) {
  // The payload lives until the send has returned: the receiver reads it during the call.
  const std::string bytes = CopyDataBytes(NoticeText(info, enabled));
  windows.SendCopyData(window, kNowPlayingDataId, bytes);
}

}  // namespace tonquil
