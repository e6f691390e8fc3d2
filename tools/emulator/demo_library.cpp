#include "demo_library.h"

#include <fstream>
#include <stdexcept>

#include "demo_dump.h"
#include "s98_format.h"
#include "s98_writer.h"

namespace tonquil::emu {
namespace {

using Tags = std::vector<std::pair<std::string, std::string>>;

constexpr std::uint32_t kOpnaClock = 7987200;
constexpr std::uint32_t kOpmClock = 4000000;

S98Song V3Song(DemoChip chip, std::uint32_t seed, S98TagStyle style, Tags tags) {
  S98Song song;
  const bool opna = chip == DemoChip::kOpna;
  song.devices.push_back({opna ? s98::kOpna : s98::kOpm, opna ? kOpnaClock : kOpmClock, 0});
  const int notes = 64 + static_cast<int>(seed % 5) * 16;
  const int ticks_per_beat = 40 + static_cast<int>(seed % 3) * 8;
  song.dump = MakeDemoDump({chip, seed, notes, ticks_per_beat});
  song.loops = seed % 2 == 0;
  song.tag_style = style;
  song.tags = std::move(tags);
  return song;
}

S98Song TitleStringSong(std::uint32_t seed, std::string title) {
  S98Song song;
  song.version = '1';
  song.dump = MakeDemoDump({DemoChip::kOpna, seed, 64, 48});
  song.tag_style = S98TagStyle::kTitleString;
  song.title = std::move(title);
  return song;
}

Tags FullTags(std::string title, std::string artist, std::string game, std::string year,
              std::string genre, std::string comment, std::string copyright, std::string system) {
  return {{"title", std::move(title)},         {"artist", std::move(artist)},
          {"game", std::move(game)},           {"year", std::move(year)},
          {"genre", std::move(genre)},         {"comment", std::move(comment)},
          {"copyright", std::move(copyright)}, {"s98by", "Tonquil demo generator"},
          {"system", std::move(system)}};
}

DemoFile Make(std::string dir, std::string name, const S98Song& song) {
  return {std::move(dir), std::move(name), WriteS98(song)};
}

}  // namespace

std::vector<DemoFile> DemoFiles() {
  const std::string arcade = "01_Arcade";
  const std::string computer = "02_Computer";
  const std::string misc = "03_Misc";
  return {
      Make(arcade, "01_opening.s98",
           V3Song(DemoChip::kOpna, 1, S98TagStyle::kUtf8Bom,
                  FullTags("夜明けのテーマ", "霧島 遥", "星の航路", "1989", "ゲーム音楽",
                           "オープニング ♪", "(C) 1989 星空ワークス", "Kestrel 88"))),
      Make(arcade, "02_stage1.s98",
           V3Song(DemoChip::kOpna, 2, S98TagStyle::kCp932,
                  FullTags("草原を駆けて", "霧島 遥", "星の航路", "1989", "ゲーム音楽",
                           "ステージ１", "(C) 1989 星空ワークス", "Kestrel 88"))),
      Make(arcade, "03_boss.s98",
           V3Song(DemoChip::kOpm, 3, S98TagStyle::kUtf8Bom,
                  {{"title", "Iron Fortress"}, {"artist", "K. Hayami"}, {"game", "Star Route"},
                   {"year", "1989"}})),
      Make(computer, "01_title.s98",
           V3Song(DemoChip::kOpm, 4, S98TagStyle::kCp932,
                  FullTags("タイトル画面", "三枝 律", "風の記憶", "1991", "RPG",
                           "タイトルのテーマ", "(C) 1991 Marble Field", "Kestrel X1"))),
      Make(computer, "02_field.s98", V3Song(DemoChip::kOpna, 5, S98TagStyle::kNone, {})),
      Make(computer, "03_ending.s98", TitleStringSong(6, "エンディング - 旅の終わり")),
      Make(computer, "04_sunset.s98",
           V3Song(DemoChip::kOpna, 7, S98TagStyle::kUtf8Bom,
                  FullTags("Sunset Drive", "Rin Saegusa", "Memory of Wind", "1991", "Game",
                           "Bonus track", "(C) 1991 Marble Field", "Kestrel X1"))),
      Make(misc, "01_sound_test.s98",
           V3Song(DemoChip::kOpna, 8, S98TagStyle::kCp932,
                  {{"title", "サウンドテスト"}, {"comment", "音色チェック用"}, {"s98by", "demo"}})),
      Make(misc, "02_夏の海.s98",
           V3Song(DemoChip::kOpm, 9, S98TagStyle::kUtf8Bom,
                  FullTags("夏の海", "霧島 遥", "星の航路 II", "1990", "ゲーム音楽",
                           "海辺のステージ", "(C) 1990 星空ワークス", "Kestrel 88"))),
  };
}

std::size_t WriteDemoLibrary(const std::filesystem::path& root) {
  const std::vector<DemoFile> files = DemoFiles();
  for (const DemoFile& file : files) {
    const std::filesystem::path dir = root / file.dir;
    std::filesystem::create_directories(dir);
    const std::filesystem::path path = dir / file.name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(file.bytes.data(), static_cast<std::streamsize>(file.bytes.size()));
    if (!out.flush()) throw std::runtime_error("cannot write " + path.string());
  }
  return files.size();
}

}  // namespace tonquil::emu
