#pragma once
// Decodes the module's 8-bit text into display text. On Windows it is the system's
// ANSI code page; natively a fixed 8-bit set.
#include <string>
#include <string_view>

namespace tonquil {

class AnsiDecoder {
 public:
  virtual ~AnsiDecoder() = default;
  // Replaces `text` with the decoded bytes. Taking the target lets a caller that
  // decodes line after line keep one buffer.
  virtual void Decode(std::string_view bytes, std::u16string& text) const = 0;
};

// Each byte is the code point of the same number (ISO 8859-1).
class Latin1Decoder : public AnsiDecoder {
 public:
  void Decode(std::string_view bytes, std::u16string& text) const override {
    text.resize(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) text[i] = static_cast<unsigned char>(bytes[i]);
  }
};

}  // namespace tonquil
