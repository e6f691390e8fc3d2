#include "settings/mem_ini_file.h"

#include <utility>

#include "settings/ini_codec.h"
#include "settings/ini_values.h"

namespace tonquil {

TMemIniFile::TMemIniFile(FileStore& store, std::u16string path)
    : store_(store), path_(std::move(path)) {
  if (path_.empty()) return;
  const LoadResult loaded = store_.Load(path_);
  if (loaded.status == LoadStatus::Unreadable) {
    throw SettingsError("The settings file could not be read");
  }
  if (loaded.status == LoadStatus::Loaded) {
    const std::optional<std::u16string> text = DecodeIniBytes(loaded.bytes);
    if (!text) throw SettingsError("The settings file is in no encoding that can be read");
    document_ = IniDocument::Parse(*text);
  }
}

std::u16string TMemIniFile::ReadString(std::u16string_view section, std::u16string_view key,
                                       std::u16string_view default_value) const {
  const std::u16string* value = document_.Find(section, key);
  return value != nullptr ? *value : std::u16string(default_value);
}

std::int32_t TMemIniFile::ReadInteger(std::u16string_view section, std::u16string_view key,
                                      std::int32_t default_value) const {
  const std::u16string* value = document_.Find(section, key);
  if (value == nullptr) return default_value;
  return ParseIniInteger(*value).value_or(default_value);
}

bool TMemIniFile::ReadBool(std::u16string_view section, std::u16string_view key,
                           bool default_value) const {
  return ReadInteger(section, key, default_value ? 1 : 0) != 0;
}

void TMemIniFile::WriteString(std::u16string_view section, std::u16string_view key,
                              std::u16string_view value) {
  document_.Set(section, key, value);
}

void TMemIniFile::WriteInteger(std::u16string_view section, std::u16string_view key,
                               std::int32_t value) {
  WriteString(section, key, FormatIniInteger(value));
}

void TMemIniFile::WriteBool(std::u16string_view section, std::u16string_view key, bool value) {
  WriteString(section, key, FormatIniBool(value));
}

void TMemIniFile::UpdateFile() {
  if (path_.empty() || !store_.ReplaceWhole(path_, EncodeIniBytes(document_.Format()))) {
    throw SettingsError("The settings file could not be written");
  }
}

}  // namespace tonquil
