// The control panel against the emulated module: the bytes each button puts on the line,
// and the display following the module's state through a walk over every button.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness/linked_module_test.h"

namespace tonquil::e2e {
namespace {

using RemoteControl = LinkedModuleTest;

std::vector<std::string> Concat(std::vector<std::string> first,
                                const std::vector<std::string>& second) {
  first.insert(first.end(), second.begin(), second.end());
  return first;
}

struct ButtonBytes {
  const char* caption;
  std::vector<std::string> reads;  // one command byte a read
};

const std::vector<ButtonBytes> kButtonBytes = {
    {">|", {"c", "P"}},
    {"|<", {"x", "P"}},
    {"Play/Stop", {"b", "P"}},
    {"Dir-", {"z", "P"}},
    {"Dir+", {"v", "P"}},
    {"Pause", {"p"}},
    {"Speed", {"s"}},
    {"Loop", {"l"}},
    {"Repeat", {"r"}},
    {"Reset", Concat({"!"}, kStatusQueries)},
};

// Every command here gets a reply, so two writes lie a pause after the write and another
// after the read apart: 200 ms. Half of that leaves room for a busy machine.
constexpr long long kMinGapMs = 100;

TEST_F(RemoteControl, EachButtonWritesItsCommandsOneByteAWriteWithThePausesBetween) {
  LinkModule();
  StartAndOpen();
  EXPECT_EQ(ReadsFrom(0, kStatusQueries.size()), kStatusQueries) << "Open";
  size_t done = kStatusQueries.size();
  for (const ButtonBytes& button : kButtonBytes) {
    Press(button.caption);
    EXPECT_EQ(ReadsFrom(done, button.reads.size()), button.reads) << button.caption;
    done += button.reads.size();
  }

  const std::vector<TimedRead> reads = emulator_->TimedReads();
  ASSERT_EQ(reads.size(), done);
  std::vector<std::string> short_gaps;
  for (size_t i = 1; i < reads.size(); ++i) {
    const long long gap = reads[i].ms - reads[i - 1].ms;
    if (gap < kMinGapMs) {
      short_gaps.push_back(reads[i - 1].bytes + " " + reads[i].bytes + ": " +
                           std::to_string(gap) + " ms");
    }
  }
  EXPECT_EQ(short_gaps, std::vector<std::string>{}) << "at least " << kMinGapMs << " ms apart";
  EXPECT_EQ(CloseTonquil(), 0);
}

struct WalkStep {
  const char* caption;
  const char* path;   // the file the module is at afterwards
  const char* title;  // its title tag
};

// From the first song over every button, through songs whose tags are in UTF-8 or in
// code page 932 in the file, a song without tags and a file name in Japanese.
const std::vector<WalkStep> kWalk = {
    {">|", "01_Arcade/02_stage1.s98", "草原を駆けて"},
    {">|", "01_Arcade/03_boss.s98", "Iron Fortress"},
    {"Speed", "01_Arcade/03_boss.s98", "Iron Fortress"},
    {"Loop", "01_Arcade/03_boss.s98", "Iron Fortress"},
    {"Repeat", "01_Arcade/03_boss.s98", "Iron Fortress"},
    {"Play/Stop", "01_Arcade/03_boss.s98", "Iron Fortress"},
    {"Pause", "01_Arcade/03_boss.s98", "Iron Fortress"},
    {"Dir-", "03_Misc/01_sound_test.s98", "サウンドテスト"},
    {"|<", "02_Computer/04_sunset.s98", "Sunset Drive"},
    {"|<", "02_Computer/03_ending.s98", "エンディング - 旅の終わり"},
    {"|<", "02_Computer/02_field.s98", ""},
    {"Dir+", "03_Misc/01_sound_test.s98", "サウンドテスト"},
    {">|", "03_Misc/02_夏の海.s98", "夏の海"},
    {"Pause", "03_Misc/02_夏の海.s98", "夏の海"},
    {"Reset", "01_Arcade/01_opening.s98", "夜明けのテーマ"},
};

TEST_F(RemoteControl, DisplayFollowsTheModuleThroughEveryButton) {
  LinkModule();
  StartAndOpen();
  const Fields opened = Shown();
  EXPECT_EQ(opened, State()) << "Open";
  EXPECT_EQ(opened.at("path"), "01_Arcade/01_opening.s98");
  EXPECT_EQ(opened.at("title"), "夜明けのテーマ");
  EXPECT_EQ(opened.at("artist"), "霧島 遥");
  EXPECT_EQ(opened.at("comment"), "オープニング ♪");
  EXPECT_EQ(EtcLines(), kFirmwareLines);

  for (const WalkStep& step : kWalk) {
    SCOPED_TRACE(std::string("after ") + step.caption + " to " + step.path);
    Press(step.caption);
    const Fields shown = Shown();
    EXPECT_EQ(shown, State());
    EXPECT_EQ(shown.at("path"), step.path);
    EXPECT_EQ(shown.at("title"), step.title);
  }
  EXPECT_EQ(EtcLines(), kFirmwareLines) << "the reset's status refresh";
  EXPECT_EQ(CloseTonquil(), 0);
}

TEST_F(RemoteControl, CloseKeepsTheDisplayAndTheNextOpenEmptiesTagsAndMemoFirst) {
  LinkModule();
  StartAndOpen();
  Press(">|");
  Press("Speed");
  const Fields before = Shown();
  ASSERT_EQ(before.at("title"), "草原を駆けて");
  ASSERT_EQ(before.at("speed"), "2x");
  ASSERT_EQ(EtcLines(), kFirmwareLines);

  Press("Close");
  EXPECT_EQ(Shown(), before) << "after Close";
  EXPECT_EQ(EtcLines(), kFirmwareLines) << "after Close";

  // A module that answers nothing: what the next Open shows is what it emptied itself.
  LinkModule({"--silent"});
  Press("Open");
  EXPECT_EQ(ReadsFrom(0, kStatusQueries.size()), kStatusQueries);
  EXPECT_EQ(Shown(), WithoutTags(before)) << "the labels stay, the tags go";
  EXPECT_EQ(EtcLines(), std::vector<std::string>{}) << "M_Etc emptied";

  Press("Close");
  LinkModule();
  Press("Open");
  EXPECT_EQ(Shown(), State()) << "refilled from the module's first song";
  EXPECT_EQ(EtcLines(), kFirmwareLines);
  EXPECT_EQ(CloseTonquil(), 0);
}

}  // namespace
}  // namespace tonquil::e2e
