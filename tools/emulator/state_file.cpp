#include "state_file.h"

#include <cstdio>
#include <fstream>

#include "cp932.h"
#include "s98_format.h"

namespace tonquil::emu {
namespace {

std::string Entry(std::string_view key, std::string_view value) {
  std::string line(key);
  line += '=';
  line += value;
  return line + '\n';
}

// The last occurrence wins, as on the display.
std::string TagValue(const Song* song, std::string_view key) {
  std::string value;
  if (!song) return value;
  for (const S98Tag& tag : song->info.tags) {
    if (tag.key == key) value = Cp932ToUtf8(tag.value);
  }
  return value;
}

}  // namespace

std::string FormatState(const ModuleStatus& status) {
  const Song* song = status.song;
  std::string text = Entry("dir", song ? song->dir : "");
  text += Entry("file", song ? song->file : "");
  text += Entry("path", song ? Cp932ToUtf8(song->display_path) : "None");
  text += Entry("play", PlayStateName(status.play));
  text += Entry("speed", status.speed);
  text += Entry("loop", status.loop);
  text += Entry("repeat", status.repeat);
  text += Entry("position_ms", std::to_string(status.position_ms));
  text += Entry("length_ms", std::to_string(song ? song->info.length_ms : 0));
  text += Entry("commands", std::to_string(status.commands));
  for (const std::string_view key : s98::kTagKeys) text += Entry(key, TagValue(song, key));
  return text;
}

bool WriteStateFile(const std::string& path, const std::string& text) {
  const std::string temporary = path + ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!(out << text) || !out.flush()) return false;
  }
  return std::rename(temporary.c_str(), path.c_str()) == 0;
}

}  // namespace tonquil::emu
