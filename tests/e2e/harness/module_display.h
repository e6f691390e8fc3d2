#pragma once
// The module's state read two ways, as maps under the emulator's state-file keys: as the
// main window shows it (status labels, file label, tag fields) and as the emulated module
// says it is (its --state file). A test compares the two maps whole. Also what an Open
// exchanges with the emulated module: the status queries and its firmware block.
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "driver.h"
#include "temp_dir.h"

namespace tonquil::e2e {

using Fields = std::map<std::string, std::string>;

// What the program asks when the port opens and after a reset, one byte a write.
inline const std::vector<std::string> kStatusQueries = {"S", "R", "L", "P", "t", "T", "@"};
// The same bytes as the module reads them in a row.
inline const std::string kStatusQueryBytes = [] {
  std::string bytes;
  for (const std::string& query : kStatusQueries) bytes += query;
  return bytes;
}();

// The emulated module's firmware block, as M_Etc shows it.
inline const std::vector<std::string> kFirmwareLines = {
    "===== Firmware Information =====", "Version : 1.10",         "Build : 2011/05/29 21:40:12",
    "Board : Rev.C (OPNA + OPM)",        "Storage : SD 1GB FAT16", "Library : 3 dirs, 9 files",
    "Serial : 230400bps 8N1"};

// The tag keys in the order of the tag fields, top to bottom.
inline const std::vector<std::string> kTagKeys = {"title", "artist",    "game",  "year",  "genre",
                                                  "comment", "copyright", "s98by", "system"};

// A display field of the main window: its state-file key and where it sits in the client area.
struct DisplayField {
  std::string key;
  std::string kind;
  int x;
  int y;
};

inline std::vector<DisplayField> DisplayFields() {
  std::vector<DisplayField> fields = {{"play", "label", 360, 72},   {"speed", "label", 360, 104},
                                      {"loop", "label", 360, 136},  {"repeat", "label", 360, 168},
                                      {"path", "label", 16, 252}};
  constexpr int kFirstTagY = 296;
  constexpr int kTagPitch = 24;
  int y = kFirstTagY;
  for (const std::string& key : kTagKeys) {
    fields.push_back({key, "edit", 72, y});
    y += kTagPitch;
  }
  return fields;
}

inline Fields ShownState(const WindowDump& main) {
  Fields shown;
  for (const DisplayField& field : DisplayFields()) {
    shown[field.key] = main.At(field.kind, field.x, field.y).Text("text");
  }
  return shown;
}

// The memo M_Etc, one entry a line.
inline std::vector<std::string> ShownEtcLines(const WindowDump& main) {
  std::vector<std::string> lines;
  std::istringstream text(main.At("memo", 280, 280).Text("text"));
  for (std::string line; std::getline(text, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

// The state file's values of the keys that the display has a field for.
inline Fields ModuleState(const std::string& state_path) {
  Fields all;
  std::istringstream lines(ReadWholeFile(state_path));
  for (std::string line; std::getline(lines, line);) {
    const size_t equals = line.find('=');
    if (equals != std::string::npos) all[line.substr(0, equals)] = line.substr(equals + 1);
  }
  Fields state;
  for (const DisplayField& field : DisplayFields()) {
    const auto value = all.find(field.key);
    if (value != all.end()) state[field.key] = value->second;
  }
  return state;
}

inline Fields WithoutTags(Fields fields) {
  for (const std::string& key : kTagKeys) fields[key].clear();
  return fields;
}

}  // namespace tonquil::e2e
