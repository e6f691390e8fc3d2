#pragma once
// The module's console reports. Every line ends with CR LF; text is code page 932.
#include <cstdint>
#include <string>
#include <string_view>

#include "library.h"

namespace tonquil::emu {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kProbeAnswer = "OK\r\n";
constexpr std::string_view kFirmwareHeader = "===== Firmware Information =====";

std::string ReportLine(std::string_view text);

// "PlayFile : dir/file", or "PlayFile : None" without a song.
std::string FileReport(const Song* song);

// "TAG : [S98]", the song's tag lines, then the empty line that closes the block.
std::string TagReport(const Song* song);

std::string PlayTimeReport(std::int64_t position_ms, std::int64_t length_ms);

std::string FirmwareReport(const Library& library);

std::string BootBanner(const Library& library);

}  // namespace tonquil::emu
