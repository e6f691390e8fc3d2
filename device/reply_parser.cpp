#include "device/reply_parser.h"

#include <array>
#include <optional>
#include <string>

#include "device/report_lines.h"

namespace tonquil {
namespace {

constexpr std::array<std::u16string_view, 5> kPlayStates = {u"Playing", u"Paused", u"Stopped", u"Stop",
                                                             u"__________"};

struct LabelPrefix {
  std::u16string_view prefix;
  StatusLabel label;
};
constexpr std::array<LabelPrefix, 4> kLabelPrefixes = {{
    {u"PlaySpeed : ", StatusLabel::Speed},
    {u"LoopCount : ", StatusLabel::Loop},
    {u"Repeat : ", StatusLabel::Repeat},
    {u"PlayFile : ", StatusLabel::File},
}};

constexpr std::u16string_view kTagMarker = u"TAG :";
constexpr std::u16string_view kTagHeader = u"TAG : [S98]";
constexpr std::u16string_view kFirmwareHeader = u"===== Firmware Information =====";

struct TagKey {
  std::u16string_view key;
  TagField field;
};
// No key is the beginning of another, so a line sets at most one field.
constexpr std::array<TagKey, kTagFieldCount> kTagKeys = {{
    {u"title=", TagField::Title},
    {u"artist=", TagField::Artist},
    {u"game=", TagField::Game},
    {u"year=", TagField::Year},
    {u"genre=", TagField::Genre},
    {u"comment=", TagField::Comment},
    {u"copyright=", TagField::Copyright},
    {u"s98by=", TagField::S98By},
    {u"system=", TagField::System},
}};

bool IsPlayState(std::u16string_view line) {
  for (std::u16string_view state : kPlayStates) {
    if (line == state) return true;
  }
  return false;
}

// One walk over the lines of one reply, each line decoded as it is taken. A block
// runs from its header up to the next empty line or the last line; that empty line
// is taken by the block, so the main walk goes on after it.
class ReplyWalk {
 public:
  ReplyWalk(std::string_view text, const AnsiDecoder& decoder, const ReportTargets& targets)
      : lines_(text), decoder_(decoder), targets_(targets) {}

  void Run() {
    while (TakeLine()) TreatLine();
  }

 private:
  // Makes the next line the current one; false when none is left.
  bool TakeLine() {
    const std::optional<std::string_view> bytes = lines_.Next();
    if (!bytes) return false;
    decoder_.Decode(*bytes, line_);
    return true;
  }

  void TreatLine() {
    if (IsPlayState(line_)) {
      targets_.display.Show(StatusLine{StatusLabel::Pause, line_});
      return;
    }
    for (const LabelPrefix& form : kLabelPrefixes) {
      if (BeginsWith(line_, form.prefix)) {
        targets_.display.Show(StatusLine{form.label, RemoveEvery(line_, form.prefix)});
        return;
      }
    }
    if (BeginsWith(line_, kTagHeader)) {
      RunTagBlock();
    } else if (BeginsWith(line_, kTagMarker)) {
      targets_.display.Show(TagBlock());  // a marker of other tags: the nine fields emptied
    } else if (line_ == kFirmwareHeader) {
      RunFirmwareBlock();
    }
  }

  // Takes the next line of an open block; false when the block ends there.
  bool TakeBlockLine() { return TakeLine() && !line_.empty(); }

  // Every block starts from nine empty fields, so a key that does not appear in it
  // leaves its field empty.
  void RunTagBlock() {
    TagBlock tags;
    // What follows the header on its own line is the block's first tag line.
    ApplyTagLine(RemoveEvery(line_, kTagHeader), tags);
    while (TakeBlockLine()) ApplyTagLine(line_, tags);
    targets_.display.Show(tags);
    UpdateBalloon(tags);
    if (targets_.state.MsnEnabledAtLoad()) targets_.notices.PublishNowPlaying(tags);
  }

  static void ApplyTagLine(std::u16string_view line, TagBlock& tags) {
    for (const TagKey& key : kTagKeys) {
      if (BeginsWith(line, key.key)) tags[key.field] = RemoveEvery(line, key.key);
    }
  }

  void UpdateBalloon(const TagBlock& tags) {
    if (tags[TagField::Title].empty()) return;
    targets_.notices.SetBalloon(targets_.state.ShownFile(), BalloonText(tags));
    if (!targets_.state.BalloonsSwitchedOff() && targets_.state.SitsInTheTray()) {
      targets_.notices.ShowBalloon();
    }
  }

  void RunFirmwareBlock() {
    FirmwareBlock firmware{{line_}};
    while (TakeBlockLine()) firmware.lines.push_back(line_);
    targets_.display.Show(firmware);
  }

  LineCutter lines_;
  const AnsiDecoder& decoder_;
  const ReportTargets& targets_;
  std::u16string line_;  // the current line, decoded
};

}  // namespace

std::u16string BalloonText(const TagBlock& tags) {
  std::u16string text = u"Title : " + tags[TagField::Title];
  if (!tags[TagField::Artist].empty()) text += u"\r\nArtist : " + tags[TagField::Artist];
  if (!tags[TagField::Game].empty()) text += u"\r\nGame : " + tags[TagField::Game];
  return text;
}

void ParseReply(std::string_view reply, const AnsiDecoder& decoder, const ReportTargets& targets) {
  ReplyWalk(TrimReply(reply), decoder, targets).Run();
}

}  // namespace tonquil
