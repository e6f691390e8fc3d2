#include "utf16_file.h"

#include "text/utf8.h"

namespace tonquil::e2e {

std::string Utf16FileBytes(const std::string& utf8_text) {
  std::string bytes = "\xFF\xFE";
  for (const char16_t unit : Utf8ToUtf16(utf8_text)) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  return bytes;
}

std::string Utf16FileText(const std::string& bytes) {
  std::string prefix;
  size_t start = 0;
  if (bytes.compare(0, 2, "\xFF\xFE") == 0) {
    start = 2;
  } else {
    prefix = "<no FF FE mark>";
  }
  std::u16string units;
  for (size_t i = start; i + 1 < bytes.size(); i += 2) {
    units += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                   static_cast<unsigned char>(bytes[i + 1]) << 8);
  }
  const std::string suffix = (bytes.size() - start) % 2 != 0 ? "<odd trailing byte>" : "";
  return prefix + Utf16ToUtf8(units) + suffix;
}

std::string CrLfLines(std::initializer_list<std::string> lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

}  // namespace tonquil::e2e
