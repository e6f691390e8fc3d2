#include "options.h"

#include <gtest/gtest.h>

namespace tonquil::emu {
namespace {

TEST(Options, ReadsEveryOptionTogether) {
  const ParsedOptions parsed = ParseOptions(
      {"--link", "/tmp/com3", "--library", "lib", "--log", "log", "--state", "state",
       "--delay-ms", "150", "--split", "5", "--cut", "108", "--lfcr", "--nul", "--silent", "--unprompted-ms",
       "2000", "--burst", "1M"});
  ASSERT_TRUE(parsed.options) << parsed.error;
  const Options& o = *parsed.options;
  EXPECT_EQ(o.link, "/tmp/com3");
  EXPECT_EQ(o.library, "lib");
  EXPECT_EQ(o.log, "log");
  EXPECT_EQ(o.state, "state");
  EXPECT_EQ(o.delay_ms, 150);
  EXPECT_EQ(o.shape.split, 5u);
  EXPECT_EQ(o.shape.cut, 108u);
  EXPECT_TRUE(o.shape.lf_cr);
  EXPECT_TRUE(o.shape.nul);
  EXPECT_TRUE(o.silent);
  EXPECT_EQ(o.unprompted_ms, 2000);
  EXPECT_EQ(o.burst, 1u << 20);
}

TEST(Options, BurstSizeTakesKibAndMibSuffixes) {
  for (const auto& [text, size] : std::vector<std::pair<const char*, std::size_t>>{
           {"4096", 4096}, {"4K", 4096}, {"4k", 4096}, {"2M", 2u << 20}, {"0", 0}}) {
    const ParsedOptions parsed = ParseOptions({"--link", "x", "--burst", text});
    ASSERT_TRUE(parsed.options) << text;
    EXPECT_EQ(parsed.options->burst, size) << text;
  }
}

TEST(Options, RefusesWhatItCannotUse) {
  const std::vector<std::vector<std::string>> bad = {
      {},
      {"--library", "lib"},
      {"--link", "a", "--make-demo", "b"},
      {"--link"},
      {"--link", ""},
      {"--link", "a", "--delay-ms", "-5"},
      {"--link", "a", "--delay-ms", "5x"},
      {"--link", "a", "--split", ""},
      {"--link", "a", "--burst", "3G"},
      {"--link", "a", "--unprompted-ms", "99999999"},
      {"--link", "a", "--frobnicate"},
  };
  for (const std::vector<std::string>& args : bad) {
    const ParsedOptions parsed = ParseOptions(args);
    EXPECT_FALSE(parsed.options) << ::testing::PrintToString(args);
    EXPECT_FALSE(parsed.error.empty());
  }
}

TEST(Options, HelpNeedsNothingElse) {
  const ParsedOptions parsed = ParseOptions({"--help"});
  ASSERT_TRUE(parsed.options);
  EXPECT_TRUE(parsed.options->help);
}

}  // namespace
}  // namespace tonquil::emu
