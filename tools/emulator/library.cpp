#include "library.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "cp932.h"

namespace tonquil::emu {
namespace {

namespace fs = std::filesystem;

void AddSong(LibraryLoad& load, const std::string& dir, const std::string& file,
             std::string_view bytes) {
  S98ReadResult read = ReadS98(bytes);
  if (!read.info) {
    load.warnings.push_back(dir + "/" + file + ": " + read.error);
    return;
  }
  if (load.library.empty() || load.library.back().name != dir) load.library.push_back({dir, {}});
  load.library.back().songs.push_back(
      {dir, file, Utf8ToCp932(dir + "/" + file), std::move(*read.info)});
}

bool IsS98Name(const fs::path& path) {
  std::string ext = path.extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
  return ext == ".s98";
}

std::vector<fs::path> SortedEntries(const fs::path& dir, bool want_dirs) {
  std::vector<fs::path> entries;
  for (const fs::directory_entry& entry : fs::directory_iterator(dir)) {
    const bool wanted = want_dirs ? entry.is_directory()
                                  : entry.is_regular_file() && IsS98Name(entry.path());
    if (wanted) entries.push_back(entry.path());
  }
  std::sort(entries.begin(), entries.end());
  return entries;
}

std::string ReadWhole(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

LibraryLoad LoadLibrary(const fs::path& root) {
  LibraryLoad load;
  for (const fs::path& dir : SortedEntries(root, true)) {
    for (const fs::path& file : SortedEntries(dir, false)) {
      AddSong(load, dir.filename().string(), file.filename().string(), ReadWhole(file));
    }
  }
  return load;
}

LibraryLoad LibraryFromFiles(const std::vector<DemoFile>& files) {
  LibraryLoad load;
  for (const DemoFile& file : files) AddSong(load, file.dir, file.name, file.bytes);
  return load;
}

std::size_t SongCount(const Library& library) {
  std::size_t count = 0;
  for (const SongFolder& folder : library) count += folder.songs.size();
  return count;
}

}  // namespace tonquil::emu
