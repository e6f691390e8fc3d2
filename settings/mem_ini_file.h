#pragma once
// A settings document for one operation: loads the whole file when created, answers
// reads and takes writes in memory, and writes the whole file back on UpdateFile.
// Destroying it discards unsaved writes.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "settings/file_store.h"
#include "settings/ini_document.h"

namespace tonquil {

// The settings file exists but cannot be read or decoded, or cannot be written.
class SettingsError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TMemIniFile {
 public:
  // An empty path or a missing file gives an empty document. Throws SettingsError when a
  // file exists but cannot be read, or its bytes are no text that DecodeIniBytes knows.
  TMemIniFile(FileStore& store, std::u16string path);
  TMemIniFile(const TMemIniFile&) = delete;
  TMemIniFile& operator=(const TMemIniFile&) = delete;

  // A present key with an empty value reads as empty, not as default_value.
  std::u16string ReadString(std::u16string_view section, std::u16string_view key,
                            std::u16string_view default_value) const;
  // default_value when the key is absent or its text is no 32-bit integer.
  std::int32_t ReadInteger(std::u16string_view section, std::u16string_view key,
                           std::int32_t default_value) const;
  // The integer reading with default 1 or 0; true when not 0.
  bool ReadBool(std::u16string_view section, std::u16string_view key,
                bool default_value) const;
  // Whether the section has a line with that key, whatever its value.
  bool ValueExists(std::u16string_view section, std::u16string_view key) const {
    return document_.Find(section, key) != nullptr;
  }

  void WriteString(std::u16string_view section, std::u16string_view key,
                   std::u16string_view value);
  void WriteInteger(std::u16string_view section, std::u16string_view key, std::int32_t value);
  void WriteBool(std::u16string_view section, std::u16string_view key, bool value);

  // Replaces the file with the whole document. Throws SettingsError when that fails; the
  // old file then stays as it was.
  void UpdateFile();

 private:
  FileStore& store_;
  std::u16string path_;
  IniDocument document_;
};

}  // namespace tonquil
