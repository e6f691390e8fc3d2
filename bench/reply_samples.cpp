#include "reply_samples.h"

#include <initializer_list>
#include <string_view>

namespace tonquil::bench {
namespace {

// "夏の海" in code page 932.
#define TQ_SUMMER_SEA "\x89\xC4\x82\xCC\x8A\x43"

constexpr std::string_view kFileLine = "PlayFile : 02_Computer/02_" TQ_SUMMER_SEA ".s98\r\n";

constexpr std::string_view kTagBlock =
    "TAG : [S98]\r\n"
    "title=" TQ_SUMMER_SEA "\r\n"
    "artist=T. Minase\r\n"
    "game=Blue Horizon " TQ_SUMMER_SEA "\r\n"
    "year=1991\r\n"
    "genre=Game Music\r\n"
    "comment=Stage 2 BGM, loops after the intro\r\n"
    "copyright=(C) 1991 Seaside Soft\r\n"
    "s98by=tq\r\n"
    "system=OPNA 7.9872MHz\r\n"
    "\r\n";

#undef TQ_SUMMER_SEA

constexpr std::string_view kFirmwareBlock =
    "===== Firmware Information =====\r\n"
    "Version : 1.10\r\n"
    "Build : 2011/05/29 21:40:12\r\n"
    "Board : Rev.C (OPNA + OPM)\r\n"
    "Storage : SD 1GB FAT16\r\n"
    "Library : 3 dirs, 9 files\r\n"
    "Serial : 230400bps 8N1\r\n"
    "\r\n";

constexpr std::string_view kStatusLines =
    "Playing\r\n"
    "PlaySpeed : 1x\r\n"
    "LoopCount : 2\r\n"
    "Repeat : All\r\n"
    "PlayTime : 01:23 / 03:45\r\n";

constexpr std::string_view kConsoleLines =
    "SD card ... OK\r\n"
    "Scanning ... 3 dirs, 9 files\r\n"
    "[opna] key on ch3 fnum 0x26a block 4\r\n"
    "[dump] wait 0x0010 ticks at 0x00004f2c\r\n";

std::string Repeated(std::size_t size, std::initializer_list<std::string_view> blocks) {
  std::string reply;
  reply.reserve(size + 1024);
  while (reply.size() < size) {
    for (std::string_view block : blocks) reply += block;
  }
  reply.resize(size);
  return reply;
}

}  // namespace

std::string RefreshReply(std::size_t size) {
  return Repeated(size, {kFileLine, kTagBlock, kFirmwareBlock, kStatusLines});
}

std::string MixedReply(std::size_t size) {
  return Repeated(size, {kFileLine, kTagBlock, kStatusLines, kConsoleLines, kFirmwareBlock, kConsoleLines});
}

}  // namespace tonquil::bench
