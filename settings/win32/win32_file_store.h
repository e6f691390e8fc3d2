#pragma once
// The settings file on the Windows file system, saved by the steps of SaveWhole: a
// temporary file beside the target that then takes its place, or, in a folder that takes
// no new files, the target rewritten in place.
#include "settings/file_store.h"

namespace tonquil {

class Win32FileStore : public FileStore {
 public:
  LoadResult Load(const std::u16string& path) override;
  bool ReplaceWhole(const std::u16string& path, const std::string& bytes) override;
};

}  // namespace tonquil
