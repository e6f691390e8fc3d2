#include "nowplaying/media_session_values.h"

namespace tonquil {

SessionStatus SessionStatusOf(const std::u16string& state) {
  if (state == u"Playing") return SessionStatus::Playing;
  if (state == u"Paused") return SessionStatus::Paused;
  return SessionStatus::Stopped;
}

SessionDisplay SessionDisplayOf(const NowPlaying& now) {
  const TagBlock& tags = now.tags;
  SessionDisplay display;
  display.title = tags[TagField::Title].empty() ? now.file : tags[TagField::Title];
  display.artist = tags[TagField::Artist].empty() ? tags[TagField::Game] : tags[TagField::Artist];
  display.album_title = tags[TagField::Game];
  display.status = SessionStatusOf(now.state);
  return display;
}

}  // namespace tonquil
