#include "settings/ini_codec.h"

#include "text/utf8.h"

namespace tonquil {
namespace {

constexpr std::string_view kUtf16Mark("\xFF\xFE", 2);
constexpr std::string_view kUtf8Mark("\xEF\xBB\xBF", 3);

bool StartsWith(std::string_view bytes, std::string_view mark) {
  return bytes.substr(0, mark.size()) == mark;
}

// UTF-8 has no zero byte but a NUL, while UTF-16 text has one in each character below
// U+0100, so in the first line of an INI file at the latest in its line end. The units
// before the one that holds the first zero byte then hold no line feed.
bool LooksLikeUtf16WithoutMark(std::string_view bytes) {
  const std::size_t zero = bytes.find('\0');
  if (zero == std::string_view::npos) return false;
  const std::string_view units_before = bytes.substr(0, zero - zero % 2);
  return units_before.find('\n') == std::string_view::npos;
}

char16_t UnitAt(std::string_view bytes, std::size_t at) {
  const auto low = static_cast<unsigned char>(bytes[at]);
  const auto high = static_cast<unsigned char>(bytes[at + 1]);
  return static_cast<char16_t>(low | (high << 8));
}

std::u16string DecodeUtf16Le(std::string_view bytes) {
  std::u16string text;
  text.reserve(bytes.size() / 2);
  for (std::size_t at = 0; at + 1 < bytes.size(); at += 2) {
    const char16_t unit = UnitAt(bytes, at);
    if (unit == u'\0') break;
    text.push_back(unit);
  }
  return text;
}

std::optional<std::u16string> DecodeUtf8WithoutNul(std::string_view bytes) {
  if (bytes.find('\0') != std::string_view::npos) return std::nullopt;
  return StrictUtf8ToUtf16(bytes);
}

}  // namespace

std::optional<std::u16string> DecodeIniBytes(std::string_view bytes) {
  if (StartsWith(bytes, kUtf16Mark)) return DecodeUtf16Le(bytes.substr(kUtf16Mark.size()));
  if (StartsWith(bytes, kUtf8Mark)) return DecodeUtf8WithoutNul(bytes.substr(kUtf8Mark.size()));
  if (LooksLikeUtf16WithoutMark(bytes)) return DecodeUtf16Le(bytes);
  return DecodeUtf8WithoutNul(bytes);
}

std::string EncodeIniBytes(std::u16string_view text) {
  std::string bytes(kUtf16Mark);
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
