#include "nowplaying/now_playing_template.h"

#include <vector>

namespace tonquil {
namespace {

constexpr std::u16string_view kLineBreak = u"\\n";

// The value a placeholder's name stands for; nullptr for a name that is no placeholder.
const std::u16string* PlaceholderValue(std::u16string_view name, const NowPlaying& now) {
  struct Tag {
    std::u16string_view name;
    TagField field;
  };
  static constexpr Tag kTags[] = {
      {u"title", TagField::Title},     {u"artist", TagField::Artist},       {u"game", TagField::Game},
      {u"year", TagField::Year},       {u"genre", TagField::Genre},         {u"comment", TagField::Comment},
      {u"copyright", TagField::Copyright}, {u"s98by", TagField::S98By}, {u"system", TagField::System}};
  for (const Tag& tag : kTags) {
    if (name == tag.name) return &now.tags[tag.field];
  }
  if (name == u"file") return &now.file;
  if (name == u"state") return &now.state;
  return nullptr;
}

// The template taken apart: texts[0], values[0], texts[1], ..., values[n-1], texts[n];
// texts[i] between two values is the joint that leads into values[i].
struct Pieces {
  std::vector<std::u16string> texts{std::u16string()};
  std::vector<const std::u16string*> values;
};

Pieces Split(std::u16string_view format, const NowPlaying& now) {
  Pieces pieces;
  std::size_t at = 0;
  while (at < format.size()) {
    if (format.substr(at, kLineBreak.size()) == kLineBreak) {
      pieces.texts.back() += u'\n';
      at += kLineBreak.size();
      continue;
    }
    if (format[at] == u'{') {
      const std::size_t close = format.find(u'}', at + 1);
      const std::u16string* value =
          close == std::u16string_view::npos ? nullptr : PlaceholderValue(format.substr(at + 1, close - at - 1), now);
      if (value != nullptr) {
        pieces.values.push_back(value);
        pieces.texts.push_back(std::u16string());
        at = close + 1;
        continue;
      }
    }
    pieces.texts.back() += format[at];
    ++at;
  }
  return pieces;
}

}  // namespace

std::u16string FillNowPlayingTemplate(std::u16string_view format, const NowPlaying& now) {
  const Pieces pieces = Split(format, now);
  if (pieces.values.empty()) return pieces.texts.front();
  std::u16string text = pieces.texts.front();
  bool joined_before = false;
  for (std::size_t i = 0; i < pieces.values.size(); ++i) {
    const std::u16string& value = *pieces.values[i];
    if (value.empty()) continue;
    // The joint right before this value: it leads into it from the last value written.
    if (joined_before) text += pieces.texts[i];
    text += value;
    joined_before = true;
  }
  return text + pieces.texts.back();
}

}  // namespace tonquil
