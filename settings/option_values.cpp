#include "settings/option_values.h"

#include "settings/settings_keys.h"

namespace tonquil {
namespace {

std::int32_t Read(const TMemIniFile& document, const IntegerSetting& setting) {
  return document.ReadInteger(setting.section, setting.key, setting.default_value);
}
bool Read(const TMemIniFile& document, const BoolSetting& setting) {
  return document.ReadBool(setting.section, setting.key, setting.default_value);
}
std::u16string Read(const TMemIniFile& document, const StringSetting& setting) {
  return document.ReadString(setting.section, setting.key, setting.default_value);
}

// A key of our own beyond the six that every settings file has; a new key goes to the
// end of its section, after them.
void WriteAddedBool(TMemIniFile& document, const BoolSetting& setting, bool value) {
  if (value == setting.default_value && !document.ValueExists(setting.section, setting.key)) return;
  document.WriteBool(setting.section, setting.key, value);
}

}  // namespace

WindowPosition ReadMainPosition(const TMemIniFile& document) {
  return {Read(document, kMainX), Read(document, kMainY)};
}

void WriteMainPosition(TMemIniFile& document, WindowPosition position) {
  document.WriteInteger(kMainX.section, kMainX.key, position.left);
  document.WriteInteger(kMainY.section, kMainY.key, position.top);
}

OptionValues ReadOptionValues(const TMemIniFile& document) {
  OptionValues values;
  values.position = {Read(document, kOptionX), Read(document, kOptionY)};
  values.com_port = Read(document, kOptionComPort);
  values.no_task_tray = Read(document, kOptionNoTaskTray);
  values.no_task_tray_popup = Read(document, kOptionNoTaskTrayPopup);
  values.msn = Read(document, kOptionMsn);
  values.media_keys = Read(document, kOptionMediaKeys);
  return values;
}

void WriteOptionValues(TMemIniFile& document, const OptionValues& values) {
  document.WriteInteger(kOptionX.section, kOptionX.key, values.position.left);
  document.WriteInteger(kOptionY.section, kOptionY.key, values.position.top);
  document.WriteString(kOptionComPort.section, kOptionComPort.key, values.com_port);
  document.WriteBool(kOptionNoTaskTray.section, kOptionNoTaskTray.key, values.no_task_tray);
  document.WriteBool(kOptionNoTaskTrayPopup.section, kOptionNoTaskTrayPopup.key, values.no_task_tray_popup);
  document.WriteBool(kOptionMsn.section, kOptionMsn.key, values.msn);
  WriteAddedBool(document, kOptionMediaKeys, values.media_keys);
}

NowPlayingFileOptions ReadNowPlayingFileOptions(const TMemIniFile& document) {
  return {Read(document, kOptionNowPlayingFile), Read(document, kOptionNowPlayingFormat),
          Read(document, kOptionNowPlayingIdle)};
}

}  // namespace tonquil
