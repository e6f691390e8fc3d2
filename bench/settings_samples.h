#pragma once
// Settings files of a given number of lines for timing the settings document, and a
// file store that serves one such file from memory.
#include <cstddef>
#include <string>

#include "settings/file_store.h"

namespace tonquil::bench {

// The bytes of a settings file as the program writes it (UTF-16LE behind its mark):
// sections of 25 lines, a header and 24 key=value lines, `lines` lines in all.
std::string SettingsFileBytes(std::size_t lines);

// The key on the file's last line and its value, to check that a load read it all.
std::u16string LastKey(std::size_t lines);
std::u16string LastSection(std::size_t lines);
std::u16string LastValue(std::size_t lines);

// Loads give a copy of the prepared file, as reading it from disk would; saves only
// count their bytes, so that a save's memory is the document's alone.
class MemoryFileStore : public FileStore {
 public:
  explicit MemoryFileStore(std::string file) : file_(std::move(file)) {}
  LoadResult Load(const std::u16string&) override { return {LoadStatus::Loaded, file_}; }
  bool ReplaceWhole(const std::u16string&, const std::string& bytes) override {
    saved_bytes_ = bytes.size();
    return true;
  }
  std::size_t file_size() const { return file_.size(); }
  std::size_t saved_bytes() const { return saved_bytes_; }

 private:
  std::string file_;
  std::size_t saved_bytes_ = 0;
};

}  // namespace tonquil::bench
