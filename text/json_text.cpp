#include "text/json_text.h"

#include "text/utf8.h"

namespace tonquil {

std::string JsonString(std::u16string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string out = "\"";
  for (const char c : Utf16ToUtf8(text)) {
    const auto byte = static_cast<unsigned char>(c);
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (byte < 0x20) {
          out += "\\u00";
          out += kHex[byte >> 4];
          out += kHex[byte & 0x0F];
        } else {
          out += c;  // UTF-8 bytes of other characters pass as they are
        }
    }
  }
  return out + "\"";
}

void JsonObjectWriter::Key(std::string_view key) {
  if (!first_) text_ += ',';
  first_ = false;
  text_ += JsonString(std::u16string(key.begin(), key.end()));
  text_ += ':';
}

JsonObjectWriter& JsonObjectWriter::Add(std::string_view key, std::u16string_view value) {
  Key(key);
  text_ += JsonString(value);
  return *this;
}

JsonObjectWriter& JsonObjectWriter::Add(std::string_view key, bool value) {
  Key(key);
  text_ += value ? "true" : "false";
  return *this;
}

JsonObjectWriter& JsonObjectWriter::Open(std::string_view key) {
  Key(key);
  text_ += '{';
  first_ = true;
  return *this;
}

JsonObjectWriter& JsonObjectWriter::Close() {
  text_ += '}';
  first_ = false;
  return *this;
}

}  // namespace tonquil
