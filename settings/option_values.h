#pragma once
// The stored options and window positions as values, read from and written to a
// settings document in the order of the key table.
#include <cstdint>
#include <string>

#include "settings/mem_ini_file.h"

namespace tonquil {

struct WindowPosition {
  std::int32_t left = 100;
  std::int32_t top = 100;
};

struct OptionValues {
  WindowPosition position;
  std::u16string com_port = u"COM1";
  bool no_task_tray = false;
  bool no_task_tray_popup = false;
  bool msn = false;
  bool media_keys = true;
};

// The now-playing file's keys, which only the user writes.
struct NowPlayingFileOptions {
  std::u16string path;  // as written; empty when there is no file
  std::u16string format;
  std::u16string idle;
};

WindowPosition ReadMainPosition(const TMemIniFile& document);
void WriteMainPosition(TMemIniFile& document, WindowPosition position);

OptionValues ReadOptionValues(const TMemIniFile& document);
void WriteOptionValues(TMemIniFile& document, const OptionValues& values);

NowPlayingFileOptions ReadNowPlayingFileOptions(const TMemIniFile& document);

}  // namespace tonquil
