#include "app/now_playing_file.h"

#include "nowplaying/now_playing_template.h"
#include "text/utf8.h"

namespace tonquil {

void NowPlayingFile::Publish(const NowPlaying& now) {
  // An open port whose song is not known yet shows as little as a closed one.
  Write(now.song_known ? FillNowPlayingTemplate(format_, now) : idle_);
}

void NowPlayingFile::Idle() { Write(idle_); }

void NowPlayingFile::Write(const std::u16string& text) {
  // The store waits out a reader that holds the file for a moment; a file held longer,
  // or one that cannot be written at all, keeps what it had until a later event.
  store_.ReplaceWhole(path_, Utf16ToUtf8(text));
}

}  // namespace tonquil
