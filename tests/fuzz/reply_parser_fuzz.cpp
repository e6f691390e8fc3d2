// Feeds arbitrary bytes to the report parser through targets that check what the
// parser may send: values never carry line breaks, the play state is one of its words,
// a firmware block starts with its header, the balloon follows a block with a title,
// carries the file shown and is shown only right after it is set, the notice carries
// the block just shown, and a reply that trims to nothing sends nothing.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "device/reply_parser.h"

namespace {

using tonquil::FirmwareBlock;
using tonquil::StatusLabel;
using tonquil::StatusLine;
using tonquil::TagBlock;
using tonquil::TagField;

void Require(bool condition) {
  if (!condition) std::abort();
}

bool HasLineBreak(const std::u16string& text) { return text.find_first_of(u"\r\n") != std::u16string::npos; }

class CheckingTargets : public tonquil::ReportSink, public tonquil::SongNotices, public tonquil::NoticeState {
 public:
  int calls = 0;

  void Show(const StatusLine& line) override {
    Changed();
    Require(!HasLineBreak(line.text));
    if (line.label == StatusLabel::Pause) {
      Require(line.text == u"Playing" || line.text == u"Paused" || line.text == u"Stopped" ||
              line.text == u"Stop" || line.text == u"__________");
    }
    if (line.label == StatusLabel::File) file_ = line.text;
  }
  void Show(const TagBlock& tags) override {
    Changed();
    for (TagField field : tonquil::kTagFields) Require(!HasLineBreak(tags[field]));
    tags_ = tags;
    block_shown_ = true;
  }
  void Show(const FirmwareBlock& firmware) override {
    Changed();
    Require(!firmware.lines.empty() && firmware.lines.front() == u"===== Firmware Information =====");
    for (const std::u16string& line : firmware.lines) Require(!line.empty() && !HasLineBreak(line));
  }

  void SetBalloon(const std::u16string& title, const std::u16string& text) override {
    Require(block_shown_ && !balloon_set_);
    ++calls;
    Require(title == file_ && !tags_[TagField::Title].empty() && text == tonquil::BalloonText(tags_));
    balloon_set_ = true;
  }
  void ShowBalloon() override {
    Require(balloon_set_);
    ++calls;
    balloon_set_ = false;
  }
  void PublishNowPlaying(const TagBlock& tags) override {
    Require(block_shown_ && tags == tags_);
    Changed();
  }

  std::u16string ShownFile() const override { return file_; }
  bool SitsInTheTray() const override { return true; }
  bool BalloonsSwitchedOff() const override { return false; }
  bool MsnEnabledAtLoad() const override { return true; }

 private:
  // The balloon and the notice may only follow the tag block at once.
  void Changed() {
    ++calls;
    block_shown_ = false;
    balloon_set_ = false;
  }

  std::u16string file_ = u"None";
  TagBlock tags_;
  bool block_shown_ = false;
  bool balloon_set_ = false;
};

bool TrimsToNothing(const std::string& reply) {
  return std::all_of(reply.begin(), reply.end(), [](char c) { return static_cast<unsigned char>(c) <= 32; });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string reply(reinterpret_cast<const char*>(data), size);
  CheckingTargets targets;
  tonquil::ParseReply(reply, tonquil::Latin1Decoder(), {targets, targets, targets});
  if (TrimsToNothing(reply)) Require(targets.calls == 0);
  return 0;
}
