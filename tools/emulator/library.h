#pragma once
// The songs the module can play: folders in name order, each with its S98 files in
// name order. Folders without a readable S98 file are left out.
#include <filesystem>
#include <string>
#include <vector>

#include "demo_library.h"
#include "s98_reader.h"

namespace tonquil::emu {

struct Song {
  std::string dir;           // as stored on disk (UTF-8 here)
  std::string file;
  std::string display_path;  // "dir/file" in code page 932, as the module prints it
  S98Info info;
};

struct SongFolder {
  std::string name;
  std::vector<Song> songs;
};

using Library = std::vector<SongFolder>;

struct LibraryLoad {
  Library library;
  std::vector<std::string> warnings;  // files that were skipped, and why
};

// Reads the *.s98 files (any letter case) of each subfolder of root.
// Throws std::filesystem::filesystem_error when root cannot be listed.
LibraryLoad LoadLibrary(const std::filesystem::path& root);

LibraryLoad LibraryFromFiles(const std::vector<DemoFile>& files);

std::size_t SongCount(const Library& library);

}  // namespace tonquil::emu
