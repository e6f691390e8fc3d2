#pragma once
// A fresh folder for one test, removed with everything in it unless kept for a look.
#include <string>

namespace tonquil::e2e {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }
  // Leaves the folder in place (for a failed test) and says where it is.
  void Keep();

 private:
  std::string path_;
  bool keep_ = false;
};

std::string ReadWholeFile(const std::string& path);  // empty when the file is missing
void WriteWholeFile(const std::string& path, const std::string& bytes);

}  // namespace tonquil::e2e
