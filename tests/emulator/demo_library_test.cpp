#include "demo_library.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "cp932.h"
#include "library.h"
#include "temp_dir.h"

namespace tonquil::emu {
namespace {

TEST(DemoLibrary, IsTheSameEveryTime) {
  const std::vector<DemoFile> first = DemoFiles();
  const std::vector<DemoFile> second = DemoFiles();
  ASSERT_EQ(first.size(), second.size());
  for (std::size_t i = 0; i < first.size(); ++i) {
    EXPECT_EQ(first[i].dir + "/" + first[i].name, second[i].dir + "/" + second[i].name);
    EXPECT_EQ(first[i].bytes, second[i].bytes) << first[i].name;
  }
}

TEST(DemoLibrary, EveryFileParsesAndEveryTagStorageOccurs) {
  std::set<TagSource> sources;
  std::set<int> versions;
  for (const DemoFile& file : DemoFiles()) {
    const S98ReadResult read = ReadS98(file.bytes);
    ASSERT_TRUE(read.info) << file.name << ": " << read.error;
    sources.insert(read.info->tag_source);
    versions.insert(read.info->version);
    EXPECT_GT(read.info->length_ms, 20'000) << file.name;
    EXPECT_LT(read.info->length_ms, 180'000) << file.name;
    for (const S98Tag& tag : read.info->tags) {
      EXPECT_EQ(Cp932ToUtf8(tag.value).find('?'), std::string::npos)
          << file.name << " " << tag.key << ": a character did not survive code page 932";
    }
  }
  EXPECT_EQ(sources, (std::set<TagSource>{TagSource::kNone, TagSource::kUtf8, TagSource::kCp932,
                                           TagSource::kTitleString}));
  EXPECT_EQ(versions, (std::set<int>{1, 3}));
}

TEST(DemoLibrary, HoldsAFewFoldersOfAFewSongsEach) {
  const LibraryLoad load = LibraryFromFiles(DemoFiles());
  EXPECT_TRUE(load.warnings.empty());
  ASSERT_EQ(load.library.size(), 3u);
  for (const SongFolder& folder : load.library) {
    EXPECT_GE(folder.songs.size(), 2u) << folder.name;
    EXPECT_LE(folder.songs.size(), 4u) << folder.name;
  }
  const Song& first = load.library[0].songs[0];
  EXPECT_EQ(first.display_path, "01_Arcade/01_opening.s98");
  ASSERT_FALSE(first.info.tags.empty());
  EXPECT_EQ(first.info.tags[0].key, "title");
  EXPECT_EQ(first.info.tags[0].value, Utf8ToCp932("夜明けのテーマ"));
}

void ExpectSameLibrary(const Library& actual, const Library& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t d = 0; d < actual.size(); ++d) {
    EXPECT_EQ(actual[d].name, expected[d].name);
    ASSERT_EQ(actual[d].songs.size(), expected[d].songs.size()) << actual[d].name;
    for (std::size_t s = 0; s < actual[d].songs.size(); ++s) {
      const Song& a = actual[d].songs[s];
      const Song& e = expected[d].songs[s];
      EXPECT_EQ(a.display_path, e.display_path);
      EXPECT_EQ(a.info.length_ms, e.info.length_ms) << a.display_path;
      ASSERT_EQ(a.info.tags.size(), e.info.tags.size()) << a.display_path;
      for (std::size_t t = 0; t < a.info.tags.size(); ++t) {
        EXPECT_EQ(a.info.tags[t].value, e.info.tags[t].value) << a.display_path;
      }
    }
  }
}

TEST(DemoLibrary, WrittenFilesLoadBackAsTheSameLibrary) {
  testing::TempDir dir;
  EXPECT_EQ(WriteDemoLibrary(dir.path()), DemoFiles().size());
  const LibraryLoad load = LoadLibrary(dir.path());
  EXPECT_TRUE(load.warnings.empty());
  ExpectSameLibrary(load.library, LibraryFromFiles(DemoFiles()).library);
}

TEST(Library, WalksSortedFoldersAndSkipsWhatIsNoSong) {
  testing::TempDir dir;
  WriteDemoLibrary(dir.path());
  const auto write = [&](const std::string& path, const std::string& bytes) {
    std::ofstream(dir.path() / path, std::ios::binary) << bytes;
  };
  std::filesystem::create_directory(dir.path() / "00_empty");
  std::filesystem::create_directory(dir.path() / "00_empty" / "nested");
  write("loose.s98", DemoFiles()[0].bytes);              // not in a folder
  write("01_Arcade/readme.txt", "not a song");           // wrong extension
  write("01_Arcade/00_BROKEN.S98", "S98 is not enough");  // right extension, bad file
  write("01_Arcade/04_UPPER.S98", DemoFiles()[1].bytes);

  const LibraryLoad load = LoadLibrary(dir.path());
  ASSERT_EQ(load.warnings.size(), 1u);
  EXPECT_NE(load.warnings[0].find("00_BROKEN.S98"), std::string::npos);
  ASSERT_EQ(load.library.size(), 3u);
  EXPECT_EQ(load.library[0].name, "01_Arcade");
  ASSERT_EQ(load.library[0].songs.size(), 4u);
  EXPECT_EQ(load.library[0].songs[3].file, "04_UPPER.S98");
}

TEST(Library, JapaneseFileNamesArePrintedInCp932) {
  const LibraryLoad load = LibraryFromFiles(DemoFiles());
  const Song& last = load.library.back().songs.back();
  EXPECT_EQ(last.file, "02_夏の海.s98");
  EXPECT_EQ(last.display_path, Utf8ToCp932("03_Misc/02_夏の海.s98"));
}

}  // namespace
}  // namespace tonquil::emu
