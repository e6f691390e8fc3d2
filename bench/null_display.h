#pragma once
// A display that shows nothing and remembers nothing, so that a timing covers the
// parser alone and not the cost of putting text on screen.
#include <string>

#include "device/report_display.h"

namespace tonquil::bench {

class NullDisplay : public ReportDisplay {
 public:
  void SetStatus(StatusLabel, const std::u16string&) override {}
  std::u16string Status(StatusLabel) const override { return {}; }
  void SetTag(TagField, const std::u16string&) override {}
  std::u16string Tag(TagField) const override { return {}; }
  void ClearTagFields() override {}
  void ClearEtc() override {}
  void AppendEtc(const std::u16string&) override {}
  void SetBalloon(const std::u16string&, const std::u16string&) override {}
  void ShowBalloon() override {}
  bool SitsInTheTray() const override { return false; }
  bool BalloonsSwitchedOff() const override { return false; }
  bool MsnEnabledAtLoad() const override { return false; }
  void PublishNowPlaying() override {}
};

}  // namespace tonquil::bench
