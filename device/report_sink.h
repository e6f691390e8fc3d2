#pragma once
// Where the report parser sends what it found in a reply: one value per event, in the
// order of the reply, to the display; after an S98 tag block, the tray balloon and the
// messenger notice; and, to decide those, the options and window state. The main window
// implements all three; the tests fake them.
#include <string>

#include "device/report_values.h"

namespace tonquil {

class ReportSink {
 public:
  virtual ~ReportSink() = default;
  virtual void Show(const StatusLine& line) = 0;
  // The nine tag fields take the block's values.
  virtual void Show(const TagBlock& tags) = 0;
  // M_Etc takes the block's lines in place of its own.
  virtual void Show(const FirmwareBlock& firmware) = 0;
};

class SongNotices {
 public:
  virtual ~SongNotices() = default;
  // The tray icon keeps the balloon's title and text (cut to its limits) and its
  // information icon; ShowBalloon shows what it keeps.
  virtual void SetBalloon(const std::u16string& title, const std::u16string& text) = 0;
  virtual void ShowBalloon() = 0;
  virtual void PublishNowPlaying(const TagBlock& tags) = 0;
};

class NoticeState {
 public:
  virtual ~NoticeState() = default;
  // What L_File shows: the balloon's title.
  virtual std::u16string ShownFile() const = 0;
  // The main window is hidden, with its icon in the notification area.
  virtual bool SitsInTheTray() const = 0;
  virtual bool BalloonsSwitchedOff() const = 0;  // C_NoTaskTrayPopup ticked
  virtual bool MsnEnabledAtLoad() const = 0;
};

// The three together, as the parser and the exchange take them.
struct ReportTargets {
  ReportSink& display;
  SongNotices& notices;
  const NoticeState& state;
};

}  // namespace tonquil
