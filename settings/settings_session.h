#pragma once
// The program's use of its settings file over one run: reads at start-up and guarded
// save steps at shut-down. A file that exists but cannot be read at start-up is
// never written over in that run, so the settings it holds are not replaced by
// defaults.
#include <functional>
#include <string>

#include "settings/file_store.h"
#include "settings/mem_ini_file.h"

namespace tonquil {

class SettingsSession {
 public:
  SettingsSession(FileStore& store, std::u16string path) : store_(store), path_(std::move(path)) {}

  // Hands `read` the document of the file, or an empty document (every read gives its
  // default) when the file cannot be read or is too big to hold.
  void Read(const std::function<void(const TMemIniFile&)>& read);
  // One save step: loads the file afresh, lets `write` change the document and writes
  // it back. Any settings error, and running out of memory, is swallowed; false when
  // nothing was written.
  bool Save(const std::function<void(TMemIniFile&)>& write);

  bool keeps_unreadable_file() const { return keep_file_; }

 private:
  FileStore& store_;
  std::u16string path_;
  bool keep_file_ = false;
};

}  // namespace tonquil
