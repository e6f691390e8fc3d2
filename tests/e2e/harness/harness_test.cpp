// The harness itself, without Wine: a fault here would make every end-to-end test lie.
#include <gtest/gtest.h>
#include <thread>

#include "harness/child_process.h"
#include "harness/json_reader.h"
#include "harness/records.h"
#include "harness/temp_dir.h"
#include "harness/utf16_file.h"

namespace tonquil::e2e {
namespace {

TEST(DriverRecords, FieldsAreSplitAtTabsAndUnescaped) {
  const Record record = Record::Parse(
      "control\tkind=button\ttext=\\|<\\tx\\\\y\trect=8,40,433,185\tstyle=0x50010000\tcheck=1");
  EXPECT_EQ(record.kind(), "control");
  EXPECT_EQ(record.Text("text"), "|<\tx\\y");
  EXPECT_EQ(record.RectOf("rect"), (Rect{8, 40, 433, 185}));
  EXPECT_EQ(record.Number("style"), 0x50010000);
  EXPECT_TRUE(record.Flag("check"));
  EXPECT_THROW(record.Text("absent"), std::runtime_error);
}

TEST(DriverRecords, ListItemsKeepEscapedSeparatorsAndEmptyListsAreEmpty) {
  const Record record = Record::Parse("control\titems=COM1|a\\|b||z\tempty=");
  EXPECT_EQ(record.List("items"), (std::vector<std::string>{"COM1", "a|b", "", "z"}));
  EXPECT_TRUE(record.List("empty").empty());
}

TEST(DriverRecords, MalformedValuesAreErrorsNotZeros) {
  const Record record = Record::Parse("rect\trect=1,2,3\tpid=12x");
  EXPECT_THROW(record.RectOf("rect"), std::runtime_error);
  EXPECT_THROW(record.Number("pid"), std::runtime_error);
  EXPECT_THROW(Record::Parse("window\tno-equals-sign"), std::runtime_error);
}

TEST(DriverRecords, OutputLinesBecomeRecordsAndCarriageReturnsGo) {
  const std::vector<Record> records = ParseRecords("window\ttext=a\r\n\ncontrol\ttext=b\n");
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].Text("text"), "a");
  EXPECT_EQ(records[1].kind(), "control");
}

TEST(SettingsFileForm, Utf16BytesCarryTheMarkAndRoundTrip) {
  const std::string bytes = Utf16FileBytes("[設定]\r\n");
  EXPECT_EQ(bytes.substr(0, 4), std::string("\xFF\xFE[\0", 4));
  EXPECT_EQ(bytes.size(), 2u + 2 * 6);
  EXPECT_EQ(Utf16FileText(bytes), "[設定]\r\n");
}

TEST(SettingsFileForm, MissingMarkAndOddByteAreShownInTheText) {
  EXPECT_EQ(Utf16FileText(std::string("A\0B", 3)), "<no FF FE mark>A<odd trailing byte>");
}

TEST(Processes, CapturedCommandGivesItsOutputAndExitCode) {
  const CommandResult result = RunCaptured({"sh", "-c", "echo out; echo err >&2; exit 3"}, milliseconds(5000));
  EXPECT_EQ(result.exit_code, 3);
  EXPECT_EQ(result.out, "out\n");
  EXPECT_EQ(result.err, "err\n");
}

TEST(JsonReader, EscapesBecomeUtf8AndNestedKeysAreDotted) {
  const auto members = ReadJsonObject(
      R"({"title":"\u8349\u539f \"a\"\\","emoji":"\ud83c\udfb5","module":{"open":true}})");
  EXPECT_EQ(members.at("title"), "\xE8\x8D\x89\xE5\x8E\x9F \"a\"\\");
  EXPECT_EQ(members.at("emoji"), "\xF0\x9F\x8E\xB5");
  EXPECT_EQ(members.at("module.open"), "true");
}

TEST(JsonReader, WhatTheProgramMustNotWriteIsAnError) {
  EXPECT_THROW(ReadJsonObject(R"({"a":"\ud83c"})"), std::runtime_error) << "a lone high surrogate";
  EXPECT_THROW(ReadJsonObject(R"({"a":"\ud83c\u0041"})"), std::runtime_error) << "no low surrogate";
  EXPECT_THROW(ReadJsonObject(R"({"a":"\udfb5"})"), std::runtime_error) << "a lone low surrogate";
  EXPECT_THROW(ReadJsonObject(R"({"a":"1","a":"2"})"), std::runtime_error) << "a key twice";
  EXPECT_THROW(ReadJsonObject("{\"a\":\"\n\"}"), std::runtime_error) << "a raw control character";
}

TEST(Processes, CapturedCommandIsKilledAtItsTimeout) {
  const auto start = std::chrono::steady_clock::now();
  const CommandResult result = RunCaptured({"sleep", "30"}, milliseconds(300));
  EXPECT_EQ(result.exit_code, -1);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST(Processes, CapturedCommandEndsWithoutWaitingForItsBackgroundChildren) {
  const auto start = std::chrono::steady_clock::now();
  const CommandResult result = RunCaptured({"sh", "-c", "setsid sleep 3 & echo done"}, milliseconds(10000));
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_EQ(result.out, "done\n");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

// Running or sleeping, as opposed to gone or a zombie waiting for whoever reaps orphans.
bool Alive(const std::string& pid) {
  const std::string stat = ReadWholeFile("/proc/" + pid + "/stat");
  const size_t state = stat.rfind(") ");
  return state != std::string::npos && stat[state + 2] != 'Z';
}

TEST(Processes, StoppedChildTakesItsGroupAlong) {
  TempDir folder;
  ChildProcess child({"sh", "-c", "sleep 30 & echo $! > " + folder.File("pid") + "; wait"},
                     folder.File("out"));
  std::string grandchild;
  for (int i = 0; i < 100 && grandchild.empty(); ++i) {
    std::this_thread::sleep_for(milliseconds(20));
    grandchild = ReadWholeFile(folder.File("pid"));
  }
  grandchild = grandchild.substr(0, grandchild.find('\n'));
  ASSERT_TRUE(Alive(grandchild));
  child.Stop(milliseconds(0));
  EXPECT_FALSE(child.Running());
  std::this_thread::sleep_for(milliseconds(100));
  EXPECT_FALSE(Alive(grandchild)) << "the background sleep must be gone";
}

}  // namespace
}  // namespace tonquil::e2e
