#pragma once
// What one messenger notice says: who speaks and the two texts shown as the song.
// A record lives for one notice only.
#include <string>

namespace tonquil {

inline constexpr char16_t kNowPlayingAppId[] = u"TNQL";

// An empty text stands for an absent value; every field is sent, empty or not.
struct TNowPlayingInfo {
  std::u16string AppId;
  std::u16string Text1;
  std::u16string Text2;
};

// The notice for a song: the title, then the artist, or the game when there is no
// artist. Only a text without any character counts as absent; white space is text.
TNowPlayingInfo PublishInfo(const std::u16string& title, const std::u16string& artist,
                            const std::u16string& game);

// The notice that withdraws the song: both texts empty.
TNowPlayingInfo ClearInfo();

}  // namespace tonquil
