#pragma once
// The main window's display in memory: keeps what is shown, records every change and
// every notice in order as text ("L_Pause=Playing", "E_Tag_Title=Title",
// "ClearTagFields", "M_Etc+=line", "Balloon[title]=text", "ShowBalloon",
// "PublishNowPlaying"), optionally into a log shared with other fakes. Reads are not
// recorded.
#include <array>
#include <map>
#include <string>
#include <vector>

#include "device/report_display.h"
#include "text/utf8.h"

namespace tonquil::testing {

class FakeReportDisplay : public ReportDisplay {
 private:
  std::vector<std::string> own_calls_;

 public:
  FakeReportDisplay() : calls(own_calls_) {}
  explicit FakeReportDisplay(std::vector<std::string>& shared_log) : calls(shared_log) {}

  std::vector<std::string>& calls;
  std::map<StatusLabel, std::u16string> status = {{StatusLabel::Pause, u"Stopped"},
                                                  {StatusLabel::Speed, u"1x"},
                                                  {StatusLabel::Loop, u"1"},
                                                  {StatusLabel::Repeat, u"None"},
                                                  {StatusLabel::File, u"None"}};
  std::array<std::u16string, kTagFieldCount> tags;
  std::vector<std::u16string> etc;
  std::u16string balloon_title;
  std::u16string balloon_text;
  bool window_visible = false;
  bool balloons_off = false;
  bool msn_enabled = true;

  static const char* Name(StatusLabel label) {
    static const char* const names[] = {"L_Pause", "L_Speed", "L_Loop", "L_Repeat", "L_File"};
    return names[static_cast<int>(label)];
  }
  static const char* Name(TagField field) {
    static const char* const names[] = {"E_Tag_Title", "E_Tag_Artist", "E_Tag_Game", "E_Tag_Year", "E_Tag_Genre",
                                        "E_Tag_Comment", "E_Tag_Copyright", "E_Tag_S98By", "E_Tag_System"};
    return names[static_cast<int>(field)];
  }

  void SetStatus(StatusLabel label, const std::u16string& text) override {
    status[label] = text;
    calls.push_back(std::string(Name(label)) + "=" + Utf16ToUtf8(text));
  }
  std::u16string Status(StatusLabel label) const override { return status.at(label); }

  void SetTag(TagField field, const std::u16string& text) override {
    tags[static_cast<std::size_t>(field)] = text;
    calls.push_back(std::string(Name(field)) + "=" + Utf16ToUtf8(text));
  }
  std::u16string Tag(TagField field) const override { return tags[static_cast<std::size_t>(field)]; }
  void ClearTagFields() override {
    tags.fill(std::u16string());
    calls.push_back("ClearTagFields");
  }

  void ClearEtc() override {
    etc.clear();
    calls.push_back("ClearEtc");
  }
  void AppendEtc(const std::u16string& line) override {
    etc.push_back(line);
    calls.push_back("M_Etc+=" + Utf16ToUtf8(line));
  }

  void SetBalloon(const std::u16string& title, const std::u16string& text) override {
    balloon_title = title;
    balloon_text = text;
    calls.push_back("Balloon[" + Utf16ToUtf8(title) + "]=" + Utf16ToUtf8(text));
  }
  void ShowBalloon() override { calls.push_back("ShowBalloon"); }

  bool SitsInTheTray() const override { return !window_visible; }
  bool BalloonsSwitchedOff() const override { return balloons_off; }
  bool MsnEnabledAtLoad() const override { return msn_enabled; }
  void PublishNowPlaying() override { calls.push_back("PublishNowPlaying"); }
};

}  // namespace tonquil::testing
