#include "nowplaying/now_playing_info.h"

namespace tonquil {

TNowPlayingInfo PublishInfo(const std::u16string& title, const std::u16string& artist,
                            const std::u16string& game) {
  return {kNowPlayingAppId, title, artist.empty() ? game : artist};
}

TNowPlayingInfo ClearInfo() { return {kNowPlayingAppId, u"", u""}; }

}  // namespace tonquil
