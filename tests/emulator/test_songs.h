#pragma once
// Small S98 files for tests, built with the emulator's own writer.
#include <string>
#include <utility>
#include <vector>

#include "demo_dump.h"
#include "s98_format.h"
#include "s98_writer.h"

namespace tonquil::emu::testing {

inline S98Song TaggedSong(S98TagStyle style, std::vector<std::pair<std::string, std::string>> tags) {
  S98Song song;
  song.devices.push_back({s98::kOpna, 7987200, 0});
  S98DumpWriter dump;
  dump.Write(0, 0x28, 0xF0);
  dump.Wait(100);
  song.dump = dump.Finish();
  song.tag_style = style;
  song.tags = std::move(tags);
  return song;
}

inline S98Song TitleSong(std::string title) {
  S98Song song = TaggedSong(S98TagStyle::kTitleString, {});
  song.version = '1';
  song.devices.clear();
  song.title = std::move(title);
  return song;
}

}  // namespace tonquil::emu::testing
