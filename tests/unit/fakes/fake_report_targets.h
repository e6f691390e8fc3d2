#pragma once
// The main window's side of the reports in memory: keeps what is shown, and records
// every value and every notice in order as text ("L_Pause=Playing",
// "Tags{Title=T|Game=G}" with the fields that are not empty, "M_Etc{line|line}",
// "Balloon[title]=text", "ShowBalloon", "PublishNowPlaying"), optionally into a log
// shared with other fakes. Reads are not recorded.
#include <map>
#include <string>
#include <vector>

#include "device/report_sink.h"
#include "text/utf8.h"

namespace tonquil::testing {

class FakeReportTargets : public ReportSink, public SongNotices, public NoticeState {
 private:
  std::vector<std::string> own_calls_;

 public:
  FakeReportTargets() : calls(own_calls_) {}
  explicit FakeReportTargets(std::vector<std::string>& shared_log) : calls(shared_log) {}

  ReportTargets Targets() { return {*this, *this, *this}; }

  std::vector<std::string>& calls;
  std::map<StatusLabel, std::u16string> status = {{StatusLabel::Pause, u"Stopped"},
                                                  {StatusLabel::Speed, u"1x"},
                                                  {StatusLabel::Loop, u"1"},
                                                  {StatusLabel::Repeat, u"None"},
                                                  {StatusLabel::File, u"None"}};
  TagBlock tags;
  std::vector<std::u16string> etc;
  std::u16string balloon_title;
  std::u16string balloon_text;
  std::vector<TagBlock> published;
  bool window_visible = false;
  bool balloons_off = false;
  bool msn_enabled = true;

  static const char* Name(StatusLabel label) {
    static const char* const names[] = {"L_Pause", "L_Speed", "L_Loop", "L_Repeat", "L_File"};
    return names[static_cast<int>(label)];
  }
  static const char* Name(TagField field) {
    static const char* const names[] = {"Title", "Artist", "Game", "Year", "Genre",
                                        "Comment", "Copyright", "S98By", "System"};
    return names[static_cast<int>(field)];
  }

  void Show(const StatusLine& line) override {
    status[line.label] = line.text;
    calls.push_back(std::string(Name(line.label)) + "=" + Utf16ToUtf8(line.text));
  }
  void Show(const TagBlock& block) override {
    tags = block;
    std::string text;
    for (TagField field : kTagFields) {
      if (block[field].empty()) continue;
      text += (text.empty() ? "" : "|") + std::string(Name(field)) + "=" + Utf16ToUtf8(block[field]);
    }
    calls.push_back("Tags{" + text + "}");
  }
  void Show(const FirmwareBlock& firmware) override {
    etc = firmware.lines;
    std::string text;
    for (const std::u16string& line : firmware.lines) text += (text.empty() ? "" : "|") + Utf16ToUtf8(line);
    calls.push_back("M_Etc{" + text + "}");
  }

  void SetBalloon(const std::u16string& title, const std::u16string& text) override {
    balloon_title = title;
    balloon_text = text;
    calls.push_back("Balloon[" + Utf16ToUtf8(title) + "]=" + Utf16ToUtf8(text));
  }
  void ShowBalloon() override { calls.push_back("ShowBalloon"); }
  void PublishNowPlaying(const TagBlock& block) override {
    published.push_back(block);
    calls.push_back("PublishNowPlaying");
  }

  std::u16string ShownFile() const override { return status.at(StatusLabel::File); }
  bool SitsInTheTray() const override { return !window_visible; }
  bool BalloonsSwitchedOff() const override { return balloons_off; }
  bool MsnEnabledAtLoad() const override { return msn_enabled; }
};

}  // namespace tonquil::testing
