#include "settings/ini_document.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "settings/ini_codec.h"

namespace tonquil {
namespace {

// White space and control characters: everything up to the space, DEL and the C1 controls.
bool IsTrimmed(char16_t unit) { return unit <= 0x20 || (unit >= 0x7F && unit <= 0x9F); }

std::u16string_view Trim(std::u16string_view text) {
  while (!text.empty() && IsTrimmed(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsTrimmed(text.back())) text.remove_suffix(1);
  return text;
}

char16_t FoldAscii(char16_t unit) {
  return unit >= u'a' && unit <= u'z' ? static_cast<char16_t>(unit - (u'a' - u'A')) : unit;
}

bool IsHeader(std::u16string_view line) {
  return line.size() >= 2 && line.front() == u'[' && line.back() == u']';
}

IniLine ParseStoredLine(std::u16string_view line) {
  const std::size_t equals = line.find(u'=');
  if (equals == std::u16string_view::npos) return {std::u16string(line), {}, false};
  return {std::u16string(Trim(line.substr(0, equals))),
          std::u16string(Trim(line.substr(equals + 1))), true};
}

template <typename Lines>
auto FindLine(Lines& lines, std::u16string_view key) {
  return std::find_if(lines.begin(), lines.end(), [key](const IniLine& line) {
    return line.is_pair && IniNamesEqual(line.key, key);
  });
}

template <typename Sections>
auto FindSectionIn(Sections& sections, std::u16string_view name) {
  return std::find_if(sections.begin(), sections.end(), [name](const IniSection& section) {
    return IniNamesEqual(section.name, name);
  });
}

}  // namespace

bool IniNamesEqual(std::u16string_view a, std::u16string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(),
                    [](char16_t x, char16_t y) { return FoldAscii(x) == FoldAscii(y); });
}

IniDocument IniDocument::Parse(std::u16string_view text) {
  IniDocument document;
  for (const std::u16string_view raw : SplitIniLines(text)) {
    const std::u16string_view line = Trim(raw);
    if (line.empty() || line.front() == u';') continue;
    if (IsHeader(line)) {
      document.sections_.push_back({std::u16string(Trim(line.substr(1, line.size() - 2))), {}});
    } else if (!document.sections_.empty()) {
      document.sections_.back().lines.push_back(ParseStoredLine(line));
    }
  }
  return document;
}

std::u16string IniDocument::Format() const {
  std::u16string text;
  for (const IniSection& section : sections_) {
    text.append(u"[").append(section.name).append(u"]\r\n");
    for (const IniLine& line : section.lines) {
      text.append(line.key);
      if (line.is_pair) text.append(u"=").append(line.value);
      text.append(u"\r\n");
    }
    text.append(u"\r\n");
  }
  return text;
}

const std::u16string* IniDocument::Find(std::u16string_view section,
                                        std::u16string_view key) const {
  const auto found = FindSectionIn(sections_, section);
  if (found == sections_.end()) return nullptr;
  const auto line = FindLine(found->lines, key);
  return line == found->lines.end() ? nullptr : &line->value;
}

void IniDocument::Set(std::u16string_view section, std::u16string_view key,
                      std::u16string_view value) {
  auto target = FindSectionIn(sections_, section);
  if (target == sections_.end()) {
    sections_.push_back({std::u16string(section), {}});
    target = std::prev(sections_.end());
  }
  IniLine replacement{std::u16string(key), std::u16string(value), true};
  const auto line = FindLine(target->lines, key);
  if (line == target->lines.end()) {
    target->lines.push_back(std::move(replacement));
  } else {
    *line = std::move(replacement);
  }
}

}  // namespace tonquil
