#pragma once
// A display that shows nothing and remembers nothing, so that a timing covers the
// parser alone and not the cost of putting text on screen.
#include <string>

#include "device/report_sink.h"

namespace tonquil::bench {

class NullDisplay : public ReportSink, public SongNotices, public NoticeState {
 public:
  ReportTargets Targets() { return {*this, *this, *this}; }

  void Show(const StatusLine&) override {}
  void Show(const TagBlock&) override {}
  void Show(const FirmwareBlock&) override {}
  void SetBalloon(const std::u16string&, const std::u16string&) override {}
  void ShowBalloon() override {}
  void PublishNowPlaying(const TagBlock&) override {}
  std::u16string ShownFile() const override { return {}; }
  bool SitsInTheTray() const override { return false; }
  bool BalloonsSwitchedOff() const override { return false; }
  bool MsnEnabledAtLoad() const override { return false; }
};

}  // namespace tonquil::bench
