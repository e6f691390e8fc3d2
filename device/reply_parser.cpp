#include "device/reply_parser.h"

#include <array>
#include <string>
#include <vector>

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

// One walk over the lines of one reply. A block runs from its header up to the next
// empty line or the last line; the cursor then stands on that empty line (or past the
// end) and the main walk steps over it.
class ReplyWalk {
 public:
  ReplyWalk(const std::vector<std::u16string_view>& lines, ReportDisplay& display)
      : lines_(lines), display_(display) {}

  void Run() {
    for (cursor_ = 0; cursor_ < lines_.size(); ++cursor_) TreatLine(lines_[cursor_]);
  }

 private:
  void TreatLine(std::u16string_view line) {
    if (IsPlayState(line)) {
      display_.SetStatus(StatusLabel::Pause, std::u16string(line));
      return;
    }
    for (const LabelPrefix& form : kLabelPrefixes) {
      if (BeginsWith(line, form.prefix)) {
        display_.SetStatus(form.label, RemoveEvery(line, form.prefix));
        return;
      }
    }
    if (BeginsWith(line, kTagMarker)) display_.ClearTagFields();
    if (BeginsWith(line, kTagHeader)) {
      RunTagBlock(line);
    } else if (line == kFirmwareHeader) {
      RunFirmwareBlock(line);
    }
  }

  // Moves to the next line of an open block; false when the block ends there.
  bool NextBlockLine() {
    ++cursor_;
    return cursor_ < lines_.size() && !lines_[cursor_].empty();
  }

  void RunTagBlock(std::u16string_view header) {
    // What follows the header on its own line is the block's first tag line.
    ApplyTagLine(RemoveEvery(header, kTagHeader));
    while (NextBlockLine()) ApplyTagLine(lines_[cursor_]);
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
    if (!display_.BalloonsSwitchedOff() && !display_.IsWindowVisible()) display_.ShowBalloon();
  }

  void RunFirmwareBlock(std::u16string_view header) {
    display_.ClearEtc();
    display_.AppendEtc(std::u16string(header));
    while (NextBlockLine()) display_.AppendEtc(std::u16string(lines_[cursor_]));
  }

  const std::vector<std::u16string_view>& lines_;
  ReportDisplay& display_;
  std::size_t cursor_ = 0;
};

}  // namespace

void ParseReply(std::string_view reply, const AnsiDecoder& decoder, ReportDisplay& display) {
  const std::u16string text = decoder.Decode(TrimReply(reply));
  const std::vector<std::u16string_view> lines = SplitLines(text);
  ReplyWalk(lines, display).Run();
}

}  // namespace tonquil
