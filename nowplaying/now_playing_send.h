#pragma once
// Sending the now-playing notice to every running messenger, one window after another.
#include <cstddef>

#include "nowplaying/messenger_windows.h"
#include "nowplaying/now_playing_info.h"

namespace tonquil {

// Sends the notice (enabled: publishing; not: withdrawing) to each messenger window in
// the order the platform lists them; gives the number of windows it went to. No
// messenger running is no error: nothing is sent and the count is 0.
std::size_t SendNowPlaying(MessengerWindows& windows, const TNowPlayingInfo& info, bool enabled);

// Formats the notice and sends it to one window.
void SendNowPlayingTo(MessengerWindows& windows, MessengerWindow window, const TNowPlayingInfo& info,
                      bool enabled);

}  // namespace tonquil
