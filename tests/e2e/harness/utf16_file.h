#pragma once
// The settings file's on-disk form: UTF-16LE behind the byte-order mark FF FE. Tests
// write and compare it through UTF-8 text.
#include <initializer_list>
#include <string>

namespace tonquil::e2e {

// FF FE, then the text in UTF-16LE.
std::string Utf16FileBytes(const std::string& utf8_text);
// The text of such bytes in UTF-8, the mark left out. Describes what is odd about the
// bytes (no mark, a trailing odd byte) in the text itself, so a comparison shows it.
std::string Utf16FileText(const std::string& bytes);

// The lines, each ended by CR LF, as the settings file ends every line.
std::string CrLfLines(std::initializer_list<std::string> lines);

}  // namespace tonquil::e2e
