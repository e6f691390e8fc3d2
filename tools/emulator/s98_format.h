#pragma once
// Layout of S98 files shared by the reader and the writer.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tonquil::emu::s98 {

// Little-endian 32-bit header fields.
constexpr std::size_t kTimerNumerator = 0x04;
constexpr std::size_t kTimerDenominator = 0x08;
constexpr std::size_t kCompression = 0x0C;
constexpr std::size_t kTagOffset = 0x10;
constexpr std::size_t kDumpOffset = 0x14;
constexpr std::size_t kLoopOffset = 0x18;
constexpr std::size_t kDeviceCount = 0x1C;
constexpr std::size_t kHeaderSize = 0x20;
constexpr std::size_t kDeviceEntrySize = 16;

constexpr std::uint32_t kDefaultNumerator = 10;
constexpr std::uint32_t kDefaultDenominator = 1000;

// Dump opcodes; every other byte starts a three-byte register write.
constexpr unsigned char kWaitOne = 0xFF;
constexpr unsigned char kWaitMany = 0xFE;
constexpr unsigned char kEnd = 0xFD;

enum DeviceType : std::uint32_t { kPsg = 1, kOpn = 2, kOpna = 4, kOpm = 5, kOpll = 6 };

constexpr std::string_view kTagMagic = "[S98]";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// The keys of the tag area, in the order in which the module lists them.
constexpr std::array<std::string_view, 9> kTagKeys = {
    "title", "artist", "game", "year", "genre", "comment", "copyright", "s98by", "system"};

}  // namespace tonquil::emu::s98
