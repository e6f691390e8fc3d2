#pragma once
// Settings file texts and folder listings that several tests of the settings file use.
#include <cstdio>
#include <filesystem>
#include <set>
#include <string>

#include "utf16_file.h"

namespace tonquil::e2e {

// "Main" as the program writes it.
inline std::string MainText(int x, int y) {
  return CrLfLines({"[Main]", "X=" + std::to_string(x), "Y=" + std::to_string(y), ""});
}

// count sections "[S00001]" with one key each, for a file of some size.
inline std::string Sections(int count) {
  std::string text;
  char header[32];
  for (int i = 1; i <= count; ++i) {
    std::snprintf(header, sizeof header, "[S%05d]", i);
    text += CrLfLines({header, "K=" + std::to_string(i), ""});
  }
  return text;
}

inline std::set<std::string> NamesIn(const std::string& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

}  // namespace tonquil::e2e
