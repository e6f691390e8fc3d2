// The downloaded zip as a user meets it: unpacked into a new folder, its Tonquil.exe run
// from there on the module, its settings file left beside it, and one version everywhere:
// the zip's name, the exe's version resource and the window caption.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "harness/child_process.h"
#include "harness/driver.h"
#include "harness/emulator.h"
#include "harness/temp_dir.h"
#include "harness/tonquil_app.h"
#include "harness/tonquil_test.h"
#include "harness/utf16_file.h"

namespace tonquil::e2e {
namespace {

namespace fs = std::filesystem;

const std::string kZipPrefix = "Tonquil-";
const std::string kZipSuffix = "-win64.zip";

// The one zip that the packing left in the package folder.
std::string PackagedZip() {
  std::vector<std::string> zips;
  for (const auto& entry : fs::directory_iterator(TONQUIL_PACKAGE_DIR)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind(kZipPrefix, 0) == 0 && name.size() > kZipSuffix.size() &&
        name.compare(name.size() - kZipSuffix.size(), kZipSuffix.size(), kZipSuffix) == 0) {
      zips.push_back(entry.path().string());
    }
  }
  if (zips.size() != 1) {
    throw std::runtime_error("expected one " + kZipPrefix + "*" + kZipSuffix + " in " +
                             TONQUIL_PACKAGE_DIR + ", found " + std::to_string(zips.size()));
  }
  return zips.front();
}

std::string VersionInZipName(const std::string& zip_path) {
  const std::string name = fs::path(zip_path).filename().string();
  return name.substr(kZipPrefix.size(), name.size() - kZipPrefix.size() - kZipSuffix.size());
}

std::string Utf16Le(const std::string& ascii) {
  std::string bytes;
  for (char c : ascii) {
    bytes += c;
    bytes += '\0';
  }
  return bytes;
}

// The value of a string of the version resource, as Windows' version functions find it:
// a String block is its length, its value's length in characters and its type (three
// 16-bit words), the key in UTF-16LE with its NUL, padding to 32 bits, then the value in
// UTF-16LE with its NUL. Empty when the exe holds no such key.
std::string VersionString(const std::string& exe_bytes, const std::string& key) {
  const std::string needle = Utf16Le(key) + std::string(2, '\0');
  const size_t key_at = exe_bytes.find(needle);
  if (key_at == std::string::npos || key_at < 6) return "";
  const size_t block_at = key_at - 6;
  const auto word = [&](size_t at) {
    return static_cast<size_t>(static_cast<unsigned char>(exe_bytes[at]) |
                               static_cast<unsigned char>(exe_bytes[at + 1]) << 8);
  };
  const size_t value_characters = word(block_at + 2);
  size_t value_at = key_at + needle.size();
  value_at += (4 - (value_at - block_at) % 4) % 4;
  std::string value;
  for (size_t i = 0; i + 1 < value_characters && value_at + 2 * i + 1 < exe_bytes.size(); ++i) {
    value += static_cast<char>(word(value_at + 2 * i));
  }
  return value;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find('\n', start);
    lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return lines;
}

// Every line, the last one included, ends with CR LF, and no CR stands alone.
bool AllLinesEndCrLf(const std::string& text) {
  if (text.empty() || text.back() != '\n') return false;
  for (size_t at = 0; at < text.size(); ++at) {
    if (text[at] == '\n' && (at == 0 || text[at - 1] != '\r')) return false;
    if (text[at] == '\r' && (at + 1 == text.size() || text[at + 1] != '\n')) return false;
  }
  return true;
}

class Package : public ::testing::Test {
 protected:
  Package() : zip_(PackagedZip()) {}

  void TearDown() override {
    if (run_) EndRun(*run_);
    emulator_.reset();
    if (HasFailure()) folder_.Keep();
  }

  void Unpack() {
    const CommandResult unzip =
        RunCaptured({"unzip", "-q", zip_, "-d", folder_.path()}, milliseconds(30000));
    ASSERT_EQ(unzip.exit_code, 0) << unzip.err;
  }

  std::string zip_;
  TempDir folder_;
  Driver driver_;
  std::unique_ptr<Emulator> emulator_;
  std::unique_ptr<TonquilRun> run_;
};

TEST_F(Package, HoldsTheExeTheGuideAndTheLicenceInOneFolder) {
  const CommandResult list = RunCaptured({"unzip", "-Z1", zip_}, milliseconds(30000));
  ASSERT_EQ(list.exit_code, 0) << list.err;
  EXPECT_EQ(Lines(list.out), (std::vector<std::string>{"Tonquil/Tonquil.exe", "Tonquil/README.txt",
                                                       "Tonquil/LICENSE.txt"}));
  Unpack();
  const std::string guide = ReadWholeFile(folder_.File("Tonquil/README.txt"));
  EXPECT_EQ(guide.substr(0, 3), "\xEF\xBB\xBF") << "the guide starts with the UTF-8 mark";
  EXPECT_TRUE(AllLinesEndCrLf(guide)) << "README.txt";
  EXPECT_NE(guide.find("Tonquil.ini"), std::string::npos);
  const std::string licence = ReadWholeFile(folder_.File("Tonquil/LICENSE.txt"));
  EXPECT_TRUE(AllLinesEndCrLf(licence)) << "LICENSE.txt";
  EXPECT_EQ(licence.rfind("MIT License\r\n", 0), 0u);
  EXPECT_NE(licence.find("Tonquil Project"), std::string::npos);
}

TEST_F(Package, UnpackedExeRunsOnTheModuleAndKeepsItsSettingsBesideIt) {
  Unpack();
  const std::string exe = folder_.File("Tonquil/Tonquil.exe");
  const std::string ini = folder_.File("Tonquil/Tonquil.ini");
  ASSERT_TRUE(fs::exists(exe));
  ASSERT_FALSE(fs::exists(ini));

  // With no settings file the options select COM1, where the module is.
  emulator_ = std::make_unique<Emulator>(1, folder_);
  run_ = std::make_unique<TonquilRun>(exe, folder_.File("run.log"));
  ASSERT_TRUE(driver_.WaitWindow(kMainClass, "visible", 20000)) << run_->Log();
  const std::string caption = driver_.Dump(kMainClass).window.Text("text");

  ASSERT_TRUE(driver_.Click(kMainClass, "Open"));
  ASSERT_TRUE(driver_.Click(kMainClass, ">|"));
  // The seven status queries of Open, then the next-song button's two commands.
  const std::vector<std::string> expected = {"S", "R", "L", "P", "t", "T", "@", "c", "P"};
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (emulator_->Reads().size() < expected.size() && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(milliseconds(50));
  }
  EXPECT_EQ(emulator_->Reads(), expected);

  driver_.Run({"close", kMainClass});
  const std::optional<int> exit_code = run_->WaitExit(milliseconds(15000));
  ASSERT_TRUE(exit_code.has_value()) << "Tonquil.exe did not end within 15 s of its close";
  EXPECT_EQ(*exit_code, 0);

  ASSERT_TRUE(fs::exists(ini)) << "the settings file beside the unpacked exe";
  const std::string settings = Utf16FileText(ReadWholeFile(ini));
  EXPECT_EQ(settings.rfind("[Main]\r\n", 0), 0u) << settings;
  EXPECT_NE(settings.find("\r\n[Option]\r\n"), std::string::npos) << settings;
  EXPECT_NE(settings.find("\r\nComPort=COM1\r\n"), std::string::npos) << settings;

  // One version: the zip's name, the version resource and the caption.
  const std::string version = VersionInZipName(zip_);
  const std::string exe_bytes = ReadWholeFile(exe);
  EXPECT_EQ(version, "110529");
  EXPECT_EQ(VersionString(exe_bytes, "FileVersion"), version);
  EXPECT_EQ(VersionString(exe_bytes, "ProductVersion"), version);
  EXPECT_EQ(caption, "Tonquil " + version);
}

}  // namespace
}  // namespace tonquil::e2e
