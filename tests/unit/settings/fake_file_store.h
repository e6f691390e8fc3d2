#pragma once
// An in-memory FileStore for the settings tests, with switches for its failures.
#include <map>
#include <new>
#include <string>
#include <string_view>

#include "settings/file_store.h"

namespace tonquil {

class FakeFileStore : public FileStore {
 public:
  LoadResult Load(const std::u16string& path) override {
    ++loads;
    if (out_of_memory) throw std::bad_alloc();  // a file too big to hold
    if (unreadable) return {LoadStatus::Unreadable, {}};
    const auto file = files.find(path);
    if (file == files.end()) return {LoadStatus::Missing, {}};
    return {LoadStatus::Loaded, file->second};
  }

  bool ReplaceWhole(const std::u16string& path, const std::string& bytes) override {
    if (refuse_writes) return false;
    files[path] = bytes;
    return true;
  }

  std::map<std::u16string, std::string> files;
  bool unreadable = false;
  bool out_of_memory = false;
  bool refuse_writes = false;
  int loads = 0;
};

// The UTF-16LE bytes of text, written out unit by unit, without a byte-order mark.
inline std::string Utf16LeBytes(std::u16string_view text) {
  std::string bytes;
  for (const char16_t unit : text) {
    bytes += static_cast<char>(unit % 256);
    bytes += static_cast<char>(unit / 256);
  }
  return bytes;
}

inline std::string WithMark(std::u16string_view text) {
  return "\xFF\xFE" + Utf16LeBytes(text);
}

}  // namespace tonquil
