#include "s98_writer.h"

#include "cp932.h"
#include "s98_format.h"

namespace tonquil::emu {
namespace {

void PutLe32(std::string& out, std::size_t at, std::uint32_t value) {
  for (std::size_t i = 0; i < 4; ++i) {
    out[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
  }
}

void AppendLe32(std::string& out, std::uint32_t value) {
  out.append(4, '\0');
  PutLe32(out, out.size() - 4, value);
}

std::string TagArea(const S98Song& song) {
  if (song.tag_style == S98TagStyle::kTitleString) return Utf8ToCp932(song.title);
  std::string lines;
  for (const auto& [key, value] : song.tags) lines += key + "=" + value + "\n";
  std::string area(s98::kTagMagic);
  if (song.tag_style == S98TagStyle::kUtf8Bom) {
    area += s98::kUtf8Bom;
    area += lines;
  } else {
    area += Utf8ToCp932(lines);
  }
  return area;
}

std::uint32_t Offset(std::size_t size) { return static_cast<std::uint32_t>(size); }

}  // namespace

void S98DumpWriter::Write(std::uint8_t port, std::uint8_t reg, std::uint8_t data) {
  bytes_ += static_cast<char>(port);
  bytes_ += static_cast<char>(reg);
  bytes_ += static_cast<char>(data);
}

void S98DumpWriter::Wait(std::uint32_t ticks) {
  if (ticks == 1) bytes_ += static_cast<char>(s98::kWaitOne);
  if (ticks < 2) return;
  bytes_ += static_cast<char>(s98::kWaitMany);
  std::uint32_t value = ticks - 2;
  do {
    const auto low = static_cast<std::uint8_t>(value & 0x7F);
    value >>= 7;
    bytes_ += static_cast<char>(value != 0 ? low | 0x80 : low);
  } while (value != 0);
}

std::string S98DumpWriter::Finish() {
  bytes_ += static_cast<char>(s98::kEnd);
  return std::move(bytes_);
}

std::string WriteS98(const S98Song& song) {
  std::string out = "S98";
  out += song.version;
  out.resize(s98::kHeaderSize, '\0');
  PutLe32(out, s98::kTimerNumerator, song.timer_numerator);
  PutLe32(out, s98::kTimerDenominator, song.timer_denominator);
  if (song.version == '3') {
    PutLe32(out, s98::kDeviceCount, Offset(song.devices.size()));
    for (const S98Device& device : song.devices) {
      AppendLe32(out, device.type);
      AppendLe32(out, device.clock);
      AppendLe32(out, device.pan);
      AppendLe32(out, 0);
    }
  }
  PutLe32(out, s98::kDumpOffset, Offset(out.size()));
  if (song.loops) PutLe32(out, s98::kLoopOffset, Offset(out.size()));
  out += song.dump;
  if (song.tag_style != S98TagStyle::kNone) {
    PutLe32(out, s98::kTagOffset, Offset(out.size()));
    out += TagArea(song);
    out += '\0';
  }
  return out;
}

}  // namespace tonquil::emu
