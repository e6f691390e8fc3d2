#include "settings_samples.h"

#include "settings/ini_codec.h"

namespace tonquil::bench {
namespace {

constexpr std::size_t kSectionLines = 25;

std::u16string Number(std::size_t n) {
  const std::string digits = std::to_string(n);
  return std::u16string(digits.begin(), digits.end());
}

std::u16string SectionName(std::size_t index) { return u"Section" + Number(index); }
std::u16string KeyName(std::size_t index) { return u"Key" + Number(index); }
std::u16string ValueText(std::size_t index) { return u"Value of key " + Number(index) + u", 100, 200"; }

}  // namespace

std::string SettingsFileBytes(std::size_t lines) {
  std::u16string text;
  for (std::size_t line = 0; line < lines; ++line) {
    if (line % kSectionLines == 0) {
      text += u"[" + SectionName(line / kSectionLines) + u"]\r\n";
    } else {
      text += KeyName(line) + u"=" + ValueText(line) + u"\r\n";
    }
  }
  return EncodeIniBytes(text);
}

std::u16string LastSection(std::size_t lines) { return SectionName((lines - 1) / kSectionLines); }
std::u16string LastKey(std::size_t lines) { return KeyName(lines - 1); }
std::u16string LastValue(std::size_t lines) { return ValueText(lines - 1); }

}  // namespace tonquil::bench
