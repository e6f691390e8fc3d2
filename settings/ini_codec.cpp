#include "settings/ini_codec.h"

namespace tonquil {
namespace {

constexpr char kMark[] = "\xFF\xFE";

bool StartsWithMark(std::string_view bytes) {
  return bytes.size() >= 2 && bytes.substr(0, 2) == std::string_view(kMark, 2);
}

char16_t UnitAt(std::string_view bytes, std::size_t at) {
  const auto low = static_cast<unsigned char>(bytes[at]);
  const auto high = static_cast<unsigned char>(bytes[at + 1]);
  return static_cast<char16_t>(low | (high << 8));
}

}  // namespace

std::u16string DecodeIniBytes(std::string_view bytes) {
  if (StartsWithMark(bytes)) bytes.remove_prefix(2);
  std::u16string text;
  text.reserve(bytes.size() / 2);
  for (std::size_t at = 0; at + 1 < bytes.size(); at += 2) {
    const char16_t unit = UnitAt(bytes, at);
    if (unit == u'\0') break;
    text.push_back(unit);
  }
  return text;
}

std::string EncodeIniBytes(std::u16string_view text) {
  std::string bytes(kMark, 2);
  bytes.reserve(2 + 2 * text.size());
  for (const char16_t unit : text) {
    bytes.push_back(static_cast<char>(unit & 0xFF));
    bytes.push_back(static_cast<char>(unit >> 8));
  }
  return bytes;
}

std::vector<std::u16string_view> SplitIniLines(std::u16string_view text) {
  std::vector<std::u16string_view> lines;
  std::size_t start = 0;
  std::size_t at = 0;
  while (at < text.size()) {
    const char16_t unit = text[at];
    if (unit != u'\r' && unit != u'\n') {
      ++at;
      continue;
    }
    lines.push_back(text.substr(start, at - start));
    const bool crlf = unit == u'\r' && at + 1 < text.size() && text[at + 1] == u'\n';
    at += crlf ? 2 : 1;
    start = at;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

}  // namespace tonquil
