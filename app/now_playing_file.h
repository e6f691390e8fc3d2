#pragma once
// The now-playing file for stream overlays: one publication of the feed that keeps a text
// file in step with the display, for streaming software that shows the file's text. While
// a song is known the file holds the template filled in, otherwise the idle text. It is
// UTF-8 without a byte-order mark and always replaced whole, as the settings file is, so
// that a reader never finds it half-written; a file that cannot be written is skipped
// without a word and the next event tries again.
#include <string>

#include "nowplaying/now_playing_feed.h"
#include "settings/file_store.h"

namespace tonquil {

class NowPlayingFile : public NowPlayingPublication {
 public:
  NowPlayingFile(FileStore& store, std::u16string path, std::u16string format, std::u16string idle)
      : store_(store), path_(std::move(path)), format_(std::move(format)), idle_(std::move(idle)) {}

  void Publish(const NowPlaying& now) override;
  void Idle() override;

 private:
  void Write(const std::u16string& text);

  FileStore& store_;
  const std::u16string path_;
  const std::u16string format_;
  const std::u16string idle_;
};

}  // namespace tonquil
