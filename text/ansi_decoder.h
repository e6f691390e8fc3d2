#pragma once
// Decodes the module's 8-bit text into display text. On Windows it is the system's
// ANSI code page; natively a fixed 8-bit set.
#include <string>
#include <string_view>

namespace tonquil {

class AnsiDecoder {
 public:
  virtual ~AnsiDecoder() = default;
  virtual std::u16string Decode(std::string_view bytes) const = 0;
};

// Each byte is the code point of the same number (ISO 8859-1).
class Latin1Decoder : public AnsiDecoder {
 public:
  std::u16string Decode(std::string_view bytes) const override {
    std::u16string text;
    text.reserve(bytes.size());
    for (unsigned char b : bytes) text += static_cast<char16_t>(b);
    return text;
  }
};

}  // namespace tonquil
