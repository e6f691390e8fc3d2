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
  ReplyWalk(std::string_view text, const AnsiDecoder& decoder, ReportDisplay& display)
      : lines_(text), decoder_(decoder), display_(display) {}

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
      display_.SetStatus(StatusLabel::Pause, line_);
      return;
    }
    for (const LabelPrefix& form : kLabelPrefixes) {
      if (BeginsWith(line_, form.prefix)) {
        display_.SetStatus(form.label, RemoveEvery(line_, form.prefix));
        return;
      }
    }
    if (BeginsWith(line_, kTagMarker)) display_.ClearTagFields();
    if (BeginsWith(line_, kTagHeader)) {
      RunTagBlock();
    } else if (line_ == kFirmwareHeader) {
      RunFirmwareBlock();
    }
  }

  // Takes the next line of an open block; false when the block ends there.
  bool TakeBlockLine() { return TakeLine() && !line_.empty(); }

  void RunTagBlock() {
    // What follows the header on its own line is the block's first tag line.
    ApplyTagLine(RemoveEvery(line_, kTagHeader));
    while (TakeBlockLine()) ApplyTagLine(line_);
    UpdateBalloon();
    if (display_.MsnEnabledAtLoad()) display_.PublishNowPlaying();
  }

  void ApplyTagLine(std::u16string_view line) {
    for (const TagKey& key : kTagKeys) {
      if (BeginsWith(line, key.key)) display_.SetTag(key.field, RemoveEvery(line, key.key));
    }
  }

  // The fields read back are this block's alone, since its header emptied them all.
  void UpdateBalloon() {
    const std::u16string title = display_.Tag(TagField::Title);
    if (title.empty()) return;
    std::u16string text = u"Title : " + title;
    const std::u16string artist = display_.Tag(TagField::Artist);
    if (!artist.empty()) text += u"\r\nArtist : " + artist;
    const std::u16string game = display_.Tag(TagField::Game);
    if (!game.empty()) text += u"\r\nGame : " + game;
    display_.SetBalloon(display_.Status(StatusLabel::File), text);
    if (!display_.BalloonsSwitchedOff() && display_.SitsInTheTray()) display_.ShowBalloon();
  }

  void RunFirmwareBlock() {
    display_.ClearEtc();
    display_.AppendEtc(line_);
    while (TakeBlockLine()) display_.AppendEtc(line_);
  }

  LineCutter lines_;
  const AnsiDecoder& decoder_;
  ReportDisplay& display_;
  std::u16string line_;  // the current line, decoded
};

}  // namespace

void ParseReply(std::string_view reply, const AnsiDecoder& decoder, ReportDisplay& display) {
  ReplyWalk(TrimReply(reply), decoder, display).Run();
}

}  // namespace tonquil
