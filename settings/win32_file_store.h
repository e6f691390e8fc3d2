#pragma once
// The settings file on the Windows file system. A save goes to a temporary file beside
// the target that then takes the target's place, so a failed save leaves the old file.
#include "settings/file_store.h"

namespace tonquil {

class Win32FileStore : public FileStore {
 public:
  LoadResult Load(const std::u16string& path) override;
  bool ReplaceWhole(const std::u16string& path, const std::string& bytes) override;
};

}  // namespace tonquil
