#pragma once
// What the module is known to play, as the display shows it, and the publications that
// show it outside the window. The main window feeds one NowPlayingFeed from the values
// it shows and from its port buttons; each publication (a media session, a now-playing
// file) hangs off the feed and hears the same events in the same order.
#include <string>
#include <vector>

#include "device/report_values.h"

namespace tonquil {

struct NowPlaying {
  bool song_known = false;  // a tag block was shown since the port opened
  TagBlock tags;            // the last tag block shown
  std::u16string file;      // as L_File shows it
  std::u16string state;     // as L_Pause shows it
};

class NowPlayingPublication {
 public:
  virtual ~NowPlayingPublication() = default;
  // A port is open (held, or lost and waiting to be reopened); `now` is what the display
  // shows after a tag block or a change of the play state.
  virtual void Publish(const NowPlaying& now) = 0;
  // Nothing is known: at start-up, when the port closes, at exit.
  virtual void Idle() = 0;
};

class NowPlayingFeed {
 public:
  // The publication is told Idle at once: until a port opens, nothing is known.
  void Add(NowPlayingPublication& publication);
  void Remove(NowPlayingPublication& publication);

  void PortOpened();
  // Kept for the next publication; a file line comes before its tag block.
  void FileShown(const std::u16string& file);
  void StateShown(const std::u16string& state);
  void TagsShown(const TagBlock& tags);
  // The port closed, or the program ends: every publication goes idle.
  void PortClosed();

  const NowPlaying& now() const { return now_; }
  bool open() const { return open_; }

 private:
  void PublishToAll() const;

  std::vector<NowPlayingPublication*> publications_;
  NowPlaying now_;
  bool open_ = false;
};

}  // namespace tonquil
