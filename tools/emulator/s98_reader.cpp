#include "s98_reader.h"

#include "cp932.h"
#include "s98_format.h"

#include <algorithm>

namespace tonquil::emu {
namespace {

std::uint32_t Le32(std::string_view file, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t i = 4; i-- > 0;) {
    value = (value << 8) | static_cast<unsigned char>(file[at + i]);
  }
  return value;
}

// Text from offset up to the first zero byte or the end of the file.
std::string_view ZeroTerminated(std::string_view file, std::size_t offset) {
  const std::string_view rest = file.substr(offset);
  return rest.substr(0, rest.find('\0'));
}

std::vector<S98Tag> SplitTagLines(std::string_view text) {
  std::vector<S98Tag> tags;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::size_t equals = line.find('=');
    if (equals == 0 || equals == std::string_view::npos) continue;
    tags.push_back({std::string(line.substr(0, equals)), std::string(line.substr(equals + 1))});
  }
  return tags;
}

void ReadTags(std::string_view file, std::size_t offset, S98Info& info) {
  std::string_view area = ZeroTerminated(file, offset);
  if (area.substr(0, s98::kTagMagic.size()) != s98::kTagMagic) {
    info.tag_source = TagSource::kTitleString;
    info.tags.push_back({"title", std::string(area)});
    return;
  }
  area.remove_prefix(s98::kTagMagic.size());
  if (area.substr(0, s98::kUtf8Bom.size()) == s98::kUtf8Bom) {
    area.remove_prefix(s98::kUtf8Bom.size());
    info.tag_source = TagSource::kUtf8;
    info.tags = SplitTagLines(Utf8ToCp932(area));
  } else {
    info.tag_source = TagSource::kCp932;
    info.tags = SplitTagLines(area);
  }
}

constexpr std::int64_t kMostTicks = std::int64_t{1} << 50;

// Sums the waits of the dump up to its end mark; a dump cut short ends where it stops.
std::int64_t CountTicks(std::string_view dump) {
  std::int64_t ticks = 0;
  std::size_t i = 0;
  while (i < dump.size()) {
    const auto op = static_cast<unsigned char>(dump[i++]);
    if (op == s98::kEnd) break;
    if (op == s98::kWaitOne) {
      ++ticks;
    } else if (op == s98::kWaitMany) {
      std::int64_t value = 0;
      for (int shift = 0; i < dump.size() && shift < 35; shift += 7) {
        const auto byte = static_cast<unsigned char>(dump[i++]);
        value |= static_cast<std::int64_t>(byte & 0x7F) << shift;
        if ((byte & 0x80) == 0) break;
      }
      ticks = std::min(ticks + value + 2, kMostTicks);
    } else {
      i += 2;
    }
  }
  return ticks;
}

// Double arithmetic with a cap: hostile timer fields must not overflow.
std::int64_t TicksToMs(std::int64_t ticks, std::uint32_t numerator, std::uint32_t denominator) {
  constexpr double kLongest = 100.0 * 3600 * 1000;
  const double ms = static_cast<double>(ticks) * numerator * 1000.0 / denominator;
  return static_cast<std::int64_t>(ms < kLongest ? ms : kLongest);
}

S98ReadResult Fail(std::string error) { return {std::nullopt, std::move(error)}; }

}  // namespace

S98ReadResult ReadS98(std::string_view file) {
  if (file.size() < s98::kHeaderSize || file.substr(0, 3) != "S98") {
    return Fail("not an S98 file");
  }
  if (file[3] < '0' || file[3] > '3') return Fail("unknown S98 version");
  S98Info info;
  info.version = file[3] - '0';
  std::uint32_t numerator = Le32(file, s98::kTimerNumerator);
  std::uint32_t denominator = Le32(file, s98::kTimerDenominator);
  if (numerator == 0) numerator = s98::kDefaultNumerator;
  if (denominator == 0) denominator = s98::kDefaultDenominator;

  const std::uint32_t dump_offset = Le32(file, s98::kDumpOffset);
  const std::uint32_t tag_offset = Le32(file, s98::kTagOffset);
  if (dump_offset < s98::kHeaderSize || dump_offset >= file.size()) {
    return Fail("dump offset out of range");
  }
  if (tag_offset >= file.size()) return Fail("tag offset out of range");
  if (info.version == 3) {
    const std::uint64_t devices_end =
        s98::kHeaderSize + std::uint64_t{Le32(file, s98::kDeviceCount)} * s98::kDeviceEntrySize;
    if (devices_end > dump_offset) return Fail("device list overlaps the dump");
  }
  if (tag_offset != 0) ReadTags(file, tag_offset, info);
  info.length_ms = TicksToMs(CountTicks(file.substr(dump_offset)), numerator, denominator);
  return {std::move(info), {}};
}

}  // namespace tonquil::emu
