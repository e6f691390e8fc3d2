#include "state_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "s98_writer.h"
#include "temp_dir.h"
#include "test_songs.h"

namespace tonquil::emu {
namespace {

Library OneSong(const S98Song& song) {
  return LibraryFromFiles({{"曲", "夜.s98", WriteS98(song)}}).library;
}

TEST(StateFile, ListsThePlaceThePlayStateAndTheTagsInUtf8) {
  Module module(OneSong(testing::TaggedSong(
      S98TagStyle::kCp932, {{"title", "前"}, {"game", "星"}, {"title", "夜明け"}})));
  module.Handle('b', 0);
  module.Handle('r', 0);
  EXPECT_EQ(FormatState(module.Status()),
            "dir=曲\nfile=夜.s98\npath=曲/夜.s98\nplay=Playing\nspeed=1x\nloop=1\n"
            "repeat=One\nposition_ms=0\nlength_ms=1000\ncommands=2\n"
            "title=夜明け\nartist=\ngame=星\nyear=\ngenre=\ncomment=\ncopyright=\n"
            "s98by=\nsystem=\n");
}

TEST(StateFile, WithoutSongsThePathIsNone) {
  Module module(Library{});
  const std::string text = FormatState(module.Status());
  EXPECT_NE(text.find("\npath=None\n"), std::string::npos);
  EXPECT_NE(text.find("\ntitle=\n"), std::string::npos);
}

TEST(StateFile, IsReplacedWhole) {
  testing::TempDir dir;
  const std::string path = (dir.path() / "state").string();
  ASSERT_TRUE(WriteStateFile(path, "a=1\nb=2\n"));
  ASSERT_TRUE(WriteStateFile(path, "a=3\n"));
  std::ifstream in(path);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "a=3\n");
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
  EXPECT_FALSE(WriteStateFile((dir.path() / "missing" / "state").string(), "a=1\n"));
}

}  // namespace
}  // namespace tonquil::emu
