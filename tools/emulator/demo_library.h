#pragma once
// The demo library: a few folders of small S98 files with tags in every storage
// form the module meets (UTF-8 with BOM, code page 932, none, a plain title).
#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace tonquil::emu {

struct DemoFile {
  std::string dir;   // UTF-8
  std::string name;  // UTF-8
  std::string bytes;
};

// Always the same files, in library order.
std::vector<DemoFile> DemoFiles();

// Writes DemoFiles() below root, creating the folders; returns how many files it
// wrote. Throws std::filesystem::filesystem_error or std::runtime_error on failure.
std::size_t WriteDemoLibrary(const std::filesystem::path& root);

}  // namespace tonquil::emu
