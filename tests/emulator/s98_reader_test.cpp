#include "s98_reader.h"

#include <gtest/gtest.h>

#include "cp932.h"
#include "s98_format.h"
#include "s98_writer.h"
#include "test_songs.h"

namespace tonquil::emu {
namespace {

using testing::TaggedSong;
using testing::TitleSong;

const std::vector<std::pair<std::string, std::string>> kJapaneseTags = {
    {"title", "夜明けのテーマ"}, {"artist", "霧島 遥"}, {"game", "星の航路"},
    {"year", "1989"},            {"s98by", "demo"},    {"system", "Kestrel 88"}};

void ExpectTags(const S98Info& info, const std::vector<std::pair<std::string, std::string>>& utf8) {
  ASSERT_EQ(info.tags.size(), utf8.size());
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    EXPECT_EQ(info.tags[i].key, utf8[i].first);
    EXPECT_EQ(info.tags[i].value, Utf8ToCp932(utf8[i].second)) << utf8[i].first;
  }
}

std::string WithLe32(std::string file, std::size_t at, std::uint32_t value) {
  for (std::size_t i = 0; i < 4; ++i) file[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
  return file;
}

TEST(S98Reader, TagsComeOutAsCp932InFileOrderWhateverTheStorage) {
  const std::vector<std::pair<S98TagStyle, TagSource>> storages = {
      {S98TagStyle::kUtf8Bom, TagSource::kUtf8}, {S98TagStyle::kCp932, TagSource::kCp932}};
  for (const auto& [style, source] : storages) {
    const S98ReadResult read = ReadS98(WriteS98(TaggedSong(style, kJapaneseTags)));
    ASSERT_TRUE(read.info) << read.error;
    EXPECT_EQ(read.info->version, 3);
    EXPECT_EQ(read.info->tag_source, source);
    ExpectTags(*read.info, kJapaneseTags);
  }
}

TEST(S98Reader, FileWithoutTagAreaHasNoTags) {
  const S98ReadResult read = ReadS98(WriteS98(TaggedSong(S98TagStyle::kNone, {})));
  ASSERT_TRUE(read.info) << read.error;
  EXPECT_EQ(read.info->tag_source, TagSource::kNone);
  EXPECT_TRUE(read.info->tags.empty());
}

TEST(S98Reader, PlainTitleStringOfOldVersionsBecomesTheTitle) {
  const S98ReadResult read = ReadS98(WriteS98(TitleSong("エンディング - 旅の終わり")));
  ASSERT_TRUE(read.info) << read.error;
  EXPECT_EQ(read.info->version, 1);
  EXPECT_EQ(read.info->tag_source, TagSource::kTitleString);
  ExpectTags(*read.info, {{"title", "エンディング - 旅の終わり"}});
}

TEST(S98Reader, TagLinesWithoutKeyAreSkippedAndCrIsDropped) {
  const std::string plain = WriteS98(TaggedSong(S98TagStyle::kNone, {}));
  std::string file = WithLe32(plain, s98::kTagOffset, static_cast<std::uint32_t>(plain.size()));
  file += "[S98]title=A=B\r\nno key here\n=orphan\nartist=\ntitle=Again";
  file += '\0';
  file += "game=after the end";
  const S98ReadResult read = ReadS98(file);
  ASSERT_TRUE(read.info) << read.error;
  EXPECT_EQ(read.info->tag_source, TagSource::kCp932);
  ExpectTags(*read.info, {{"title", "A=B"}, {"artist", ""}, {"title", "Again"}});
}

struct LengthCase {
  std::vector<std::uint32_t> waits;
  std::uint32_t numerator;
  std::uint32_t denominator;
  std::int64_t length_ms;
};

TEST(S98Reader, LengthSumsTheWaitsOfTheDumpAtTheFileTimer) {
  const std::vector<LengthCase> cases = {
      {{}, 0, 0, 0},         {{1}, 0, 0, 10},          {{2}, 0, 0, 20},
      {{1, 129, 130}, 0, 0, 2600}, {{20000}, 0, 0, 200000}, {{3, 3}, 1, 60, 100},
      {{1000}, 1, 0, 1000}};
  for (const LengthCase& c : cases) {
    S98Song song = TaggedSong(S98TagStyle::kNone, {});
    S98DumpWriter dump;
    for (const std::uint32_t ticks : c.waits) {
      dump.Write(1, 0x10, 0x20);
      dump.Wait(ticks);
    }
    song.dump = dump.Finish() + std::string("\xFF\xFF", 2);  // after the end mark: not counted
    song.timer_numerator = c.numerator;
    song.timer_denominator = c.denominator;
    const S98ReadResult read = ReadS98(WriteS98(song));
    ASSERT_TRUE(read.info) << read.error;
    EXPECT_EQ(read.info->length_ms, c.length_ms) << ::testing::PrintToString(c.waits);
  }
}

TEST(S98Reader, DumpCutShortEndsWhereItStops) {
  S98Song song = TaggedSong(S98TagStyle::kNone, {});
  song.dump = std::string("\xFF\xFF\xFE", 3);  // varint missing
  const S98ReadResult read = ReadS98(WriteS98(song));
  ASSERT_TRUE(read.info) << read.error;
  EXPECT_EQ(read.info->length_ms, 40);  // two single ticks and an empty FE (+2)
}

TEST(S98Reader, RejectsBrokenFiles) {
  const std::string good = WriteS98(TaggedSong(S98TagStyle::kUtf8Bom, {{"title", "x"}}));
  ASSERT_TRUE(ReadS98(good).info);
  const std::vector<std::pair<std::string, std::string>> broken = {
      {"empty", ""},
      {"short header", good.substr(0, 0x1F)},
      {"magic", "S99" + good.substr(3)},
      {"version", "S984" + good.substr(4)},
      {"dump offset zero", WithLe32(good, s98::kDumpOffset, 0)},
      {"dump offset past end", WithLe32(good, s98::kDumpOffset, static_cast<std::uint32_t>(good.size()))},
      {"tag offset past end", WithLe32(good, s98::kTagOffset, 0xFFFFFFF0u)},
      {"device list over the dump", WithLe32(good, s98::kDeviceCount, 0x10000000u)},
  };
  for (const auto& [name, file] : broken) {
    const S98ReadResult read = ReadS98(file);
    EXPECT_FALSE(read.info) << name;
    EXPECT_FALSE(read.error.empty()) << name;
  }
}

}  // namespace
}  // namespace tonquil::emu
