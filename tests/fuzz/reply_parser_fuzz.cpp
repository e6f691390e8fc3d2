// Feeds arbitrary bytes to the report parser through a display that checks what the
// parser may do: lines never carry line breaks, the play state is one of its words,
// tags are set only after a tag marker, the memo starts with the firmware header,
// the balloon carries a title and is shown only right after it is set, and a reply
// that trims to nothing touches nothing.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "device/reply_parser.h"

namespace {

using tonquil::StatusLabel;
using tonquil::TagField;

void Require(bool condition) {
  if (!condition) std::abort();
}

bool HasLineBreak(const std::u16string& text) { return text.find_first_of(u"\r\n") != std::u16string::npos; }

class CheckingDisplay : public tonquil::ReportDisplay {
 public:
  int calls = 0;

  void SetStatus(StatusLabel label, const std::u16string& text) override {
    Changed();
    Require(!HasLineBreak(text));
    if (label == StatusLabel::Pause) {
      Require(text == u"Playing" || text == u"Paused" || text == u"Stopped" || text == u"Stop" ||
              text == u"__________");
    }
    if (label == StatusLabel::File) file_ = text;
  }
  std::u16string Status(StatusLabel label) const override {
    return label == StatusLabel::File ? file_ : std::u16string();
  }

  void SetTag(TagField field, const std::u16string& text) override {
    Changed();
    Require(tags_cleared_ && !HasLineBreak(text));
    tags_[static_cast<std::size_t>(field)] = text;
  }
  std::u16string Tag(TagField field) const override { return tags_[static_cast<std::size_t>(field)]; }
  void ClearTagFields() override {
    Changed();
    tags_cleared_ = true;
    std::fill(std::begin(tags_), std::end(tags_), std::u16string());
  }

  void ClearEtc() override {
    Changed();
    etc_lines_ = 0;
  }
  void AppendEtc(const std::u16string& line) override {
    Changed();
    Require(!line.empty() && !HasLineBreak(line));
    Require(etc_lines_ > 0 || line == u"===== Firmware Information =====");
    ++etc_lines_;
  }

  void SetBalloon(const std::u16string& title, const std::u16string& text) override {
    Changed();
    Require(title == file_ && !tags_[0].empty() && text.rfind(u"Title : " + tags_[0], 0) == 0);
    balloon_set_ = true;
  }
  void ShowBalloon() override {
    Require(balloon_set_);
    Changed();
  }

  bool SitsInTheTray() const override { return true; }
  bool BalloonsSwitchedOff() const override { return false; }
  bool MsnEnabledAtLoad() const override { return true; }
  void PublishNowPlaying() override {
    Changed();
    Require(tags_cleared_);
  }

 private:
  void Changed() {
    ++calls;
    balloon_set_ = false;
  }

  std::u16string file_ = u"None";
  std::u16string tags_[tonquil::kTagFieldCount];
  bool tags_cleared_ = false;
  bool balloon_set_ = false;
  int etc_lines_ = 1;  // the memo may hold lines from before this reply
};

bool TrimsToNothing(const std::string& reply) {
  return std::all_of(reply.begin(), reply.end(), [](char c) { return static_cast<unsigned char>(c) <= 32; });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string reply(reinterpret_cast<const char*>(data), size);
  CheckingDisplay display;
  tonquil::ParseReply(reply, tonquil::Latin1Decoder(), display);
  if (TrimsToNothing(reply)) Require(display.calls == 0);
  return 0;
}
