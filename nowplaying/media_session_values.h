#pragma once
// What the system's media session shows of the song, made from what the display shows,
// and the session's buttons. The session shows the same song as the messenger notice:
// the title, or the file when the block has none; the artist, or the game when the block
// names no artist.
#include <string>

#include "nowplaying/now_playing_feed.h"

namespace tonquil {

enum class SessionStatus { Closed, Stopped, Playing, Paused };

struct SessionDisplay {
  std::u16string title;
  std::u16string artist;
  std::u16string album_title;
  SessionStatus status = SessionStatus::Closed;

  bool operator==(const SessionDisplay& other) const {
    return title == other.title && artist == other.artist && album_title == other.album_title &&
           status == other.status;
  }
};

// The status as L_Pause shows it: "Playing" and "Paused" as they are, anything else
// (no status yet, "Stopped", a text of another firmware) as stopped.
SessionStatus SessionStatusOf(const std::u16string& state);
// What a session shows while a port is open.
SessionDisplay SessionDisplayOf(const NowPlaying& now);

// The buttons of the session that stand for the control panel's.
enum class SessionButton { Play, Pause, Stop, Next, Previous };

}  // namespace tonquil
