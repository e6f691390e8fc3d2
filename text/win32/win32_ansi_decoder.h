#pragma once
// Decodes the module's 8-bit text from the system's ANSI code page.
#include "text/ansi_decoder.h"

namespace tonquil {

class Win32AnsiDecoder : public AnsiDecoder {
 public:
  void Decode(std::string_view bytes, std::u16string& text) const override;
};

}  // namespace tonquil
