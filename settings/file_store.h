#pragma once
// Whole-file access for the settings document. The Win32 side implements it over the
// real file system; the unit tests fake it.
#include <string>

namespace tonquil {

enum class LoadStatus { Missing, Loaded, Unreadable };

struct LoadResult {
  LoadStatus status = LoadStatus::Missing;
  std::string bytes;  // the whole file when status is Loaded
};

class FileStore {
 public:
  virtual ~FileStore() = default;
  // Reads the whole file at path. Missing: no file there. Unreadable: a file exists
  // but could not be opened or read (locked, no permission).
  virtual LoadResult Load(const std::u16string& path) = 0;
  // Replaces the file at path with bytes, in one step where the folder allows it:
  // either the old content or the new one stays whole. False when it could not be done.
  virtual bool ReplaceWhole(const std::u16string& path, const std::string& bytes) = 0;
};

}  // namespace tonquil
