// Feeds arbitrary bytes to the settings document as the file it loads, and checks that
// what it writes it reads back the same: the saved file has the fixed form, loading it
// gives the sections and lines that the first load gave, saving that again repeats the
// bytes, and every key reads the same value before and after. Then the two save steps
// of a shut-down run over the saved file: the program's own keys read back what was
// written and every other key keeps its value.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "settings/file_store.h"
#include "settings/ini_codec.h"
#include "settings/ini_document.h"
#include "settings/mem_ini_file.h"
#include "settings/settings_keys.h"

namespace {

using tonquil::IniDocument;
using tonquil::IniLine;
using tonquil::IniSection;
using tonquil::TMemIniFile;

const std::u16string kPath = u"C:\\Tonquil\\Tonquil.ini";

void Require(bool condition) {
  if (!condition) std::abort();
}

// One settings file, always present.
class MemoryStore : public tonquil::FileStore {
 public:
  explicit MemoryStore(std::string bytes) : bytes_(std::move(bytes)) {}
  tonquil::LoadResult Load(const std::u16string&) override {
    return {tonquil::LoadStatus::Loaded, bytes_};
  }
  bool ReplaceWhole(const std::u16string&, const std::string& bytes) override {
    bytes_ = bytes;
    return true;
  }
  const std::string& bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

IniDocument Parsed(const std::string& bytes) {
  return IniDocument::Parse(tonquil::DecodeIniBytes(bytes));
}

bool SameLines(const std::vector<IniLine>& a, const std::vector<IniLine>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].key != b[i].key || a[i].value != b[i].value || a[i].is_pair != b[i].is_pair) {
      return false;
    }
  }
  return true;
}

bool SameDocument(const IniDocument& a, const IniDocument& b) {
  const std::vector<IniSection>& left = a.sections();
  const std::vector<IniSection>& right = b.sections();
  if (left.size() != right.size()) return false;
  for (std::size_t i = 0; i < left.size(); ++i) {
    if (left[i].name != right[i].name || !SameLines(left[i].lines, right[i].lines)) return false;
  }
  return true;
}

std::string SavedUnchanged(const std::string& bytes) {
  MemoryStore store(bytes);
  TMemIniFile(store, kPath).UpdateFile();
  return store.bytes();
}

// FF FE, whole UTF-16 units, and a last line that is empty when there is any text.
void RequireWrittenForm(const std::string& bytes) {
  Require(bytes.size() >= 2 && bytes.size() % 2 == 0 && bytes.compare(0, 2, "\xFF\xFE") == 0);
  if (bytes.size() == 2) return;
  const std::string blank_line("\r\0\n\0\r\0\n\0", 8);
  const std::size_t shortest_header = 4;  // "[]", a section without a name
  Require(bytes.size() >= 2 + shortest_header + blank_line.size());
  Require(bytes.compare(bytes.size() - blank_line.size(), blank_line.size(), blank_line) == 0);
}

struct Key {
  std::u16string section;
  std::u16string key;
};

std::vector<Key> KeysOf(const IniDocument& document) {
  std::vector<Key> keys;
  for (const IniSection& section : document.sections()) {
    for (const IniLine& line : section.lines) {
      if (line.is_pair) keys.push_back({section.name, line.key});
    }
  }
  return keys;
}

struct Reading {
  std::u16string text;
  std::int32_t integer;
  bool as_true;
  bool as_false;
  bool operator==(const Reading& other) const {
    return text == other.text && integer == other.integer && as_true == other.as_true &&
           as_false == other.as_false;
  }
};

Reading Read(const TMemIniFile& document, const Key& key) {
  return {document.ReadString(key.section, key.key, u"\xFFFF absent"),
          document.ReadInteger(key.section, key.key, -77),
          document.ReadBool(key.section, key.key, true),
          document.ReadBool(key.section, key.key, false)};
}

std::vector<Reading> ReadAll(const std::string& bytes, const std::vector<Key>& keys) {
  MemoryStore store(bytes);
  const TMemIniFile document(store, kPath);
  std::vector<Reading> readings;
  for (const Key& key : keys) readings.push_back(Read(document, key));
  return readings;
}

void CheckRoundTrip(const std::string& input) {
  const IniDocument loaded = Parsed(input);
  const std::string first = SavedUnchanged(input);
  RequireWrittenForm(first);
  Require(SameDocument(Parsed(first), loaded));
  Require(SavedUnchanged(first) == first);
  const std::vector<Key> keys = KeysOf(loaded);
  Require(ReadAll(first, keys) == ReadAll(input, keys));
}

// What the shut-down writes, taken from the input so that every run writes other values.
struct ExitValues {
  std::int32_t main_x, main_y, option_x, option_y;
  std::u16string port;
  bool no_tray, no_popup, msn;
};

ExitValues ValuesFrom(const std::string& input, const IniDocument& loaded) {
  std::uint32_t seed = 2166136261u;
  for (const char byte : input) seed = (seed ^ static_cast<unsigned char>(byte)) * 16777619u;
  const auto signed_from = [](std::uint32_t bits) { return static_cast<std::int32_t>(bits); };
  // The port is any text the document already holds as a value, as a dialog item might be.
  std::u16string port = u"COM1";
  for (const IniSection& section : loaded.sections()) {
    for (const IniLine& line : section.lines) {
      if (line.is_pair) port = line.value;
    }
  }
  return {
      signed_from(seed), signed_from(seed * 31u), signed_from(~seed), -signed_from(seed >> 1), port,
      (seed & 1u) != 0,  (seed & 2u) != 0,        (seed & 4u) != 0};
}

// The two save steps of a shut-down, each on the file as the previous one left it.
std::string SavedAtExit(const std::string& bytes, const ExitValues& values) {
  MemoryStore store(bytes);
  {
    TMemIniFile main(store, kPath);
    main.WriteInteger(tonquil::kMainX.section, tonquil::kMainX.key, values.main_x);
    main.WriteInteger(tonquil::kMainY.section, tonquil::kMainY.key, values.main_y);
    main.UpdateFile();
  }
  TMemIniFile option(store, kPath);
  option.WriteInteger(tonquil::kOptionX.section, tonquil::kOptionX.key, values.option_x);
  option.WriteInteger(tonquil::kOptionY.section, tonquil::kOptionY.key, values.option_y);
  option.WriteString(tonquil::kOptionComPort.section, tonquil::kOptionComPort.key, values.port);
  option.WriteBool(tonquil::kOptionNoTaskTray.section, tonquil::kOptionNoTaskTray.key,
                   values.no_tray);
  option.WriteBool(tonquil::kOptionNoTaskTrayPopup.section, tonquil::kOptionNoTaskTrayPopup.key,
                   values.no_popup);
  option.WriteBool(tonquil::kOptionMsn.section, tonquil::kOptionMsn.key, values.msn);
  option.UpdateFile();
  return store.bytes();
}

bool IsProgramKey(const Key& key) {
  const std::pair<std::u16string_view, std::u16string_view> written[] = {
      {tonquil::kMainX.section, tonquil::kMainX.key},
      {tonquil::kMainY.section, tonquil::kMainY.key},
      {tonquil::kOptionX.section, tonquil::kOptionX.key},
      {tonquil::kOptionY.section, tonquil::kOptionY.key},
      {tonquil::kOptionComPort.section, tonquil::kOptionComPort.key},
      {tonquil::kOptionNoTaskTray.section, tonquil::kOptionNoTaskTray.key},
      {tonquil::kOptionNoTaskTrayPopup.section, tonquil::kOptionNoTaskTrayPopup.key},
      {tonquil::kOptionMsn.section, tonquil::kOptionMsn.key}};
  for (const auto& [section, name] : written) {
    if (tonquil::IniNamesEqual(key.section, section) && tonquil::IniNamesEqual(key.key, name)) {
      return true;
    }
  }
  return false;
}

void RequireExitValues(const std::string& saved, const ExitValues& values) {
  MemoryStore store(saved);
  const TMemIniFile document(store, kPath);
  Require(document.ReadInteger(tonquil::kMainX.section, tonquil::kMainX.key, 0) == values.main_x);
  Require(document.ReadInteger(tonquil::kMainY.section, tonquil::kMainY.key, 0) == values.main_y);
  Require(document.ReadInteger(tonquil::kOptionX.section, tonquil::kOptionX.key, 0) ==
          values.option_x);
  Require(document.ReadInteger(tonquil::kOptionY.section, tonquil::kOptionY.key, 0) ==
          values.option_y);
  Require(document.ReadString(tonquil::kOptionComPort.section, tonquil::kOptionComPort.key, u"") ==
          values.port);
  Require(document.ReadBool(tonquil::kOptionNoTaskTray.section, tonquil::kOptionNoTaskTray.key,
                            !values.no_tray) == values.no_tray);
  Require(document.ReadBool(tonquil::kOptionNoTaskTrayPopup.section,
                            tonquil::kOptionNoTaskTrayPopup.key,
                            !values.no_popup) == values.no_popup);
  Require(document.ReadBool(tonquil::kOptionMsn.section, tonquil::kOptionMsn.key, !values.msn) ==
          values.msn);
}

void CheckShutDownSave(const std::string& input) {
  const IniDocument loaded = Parsed(input);
  const ExitValues values = ValuesFrom(input, loaded);
  const std::string saved = SavedAtExit(input, values);
  RequireWrittenForm(saved);
  RequireExitValues(saved, values);

  std::vector<Key> others;
  for (const Key& key : KeysOf(loaded)) {
    if (!IsProgramKey(key)) others.push_back(key);
  }
  Require(ReadAll(saved, others) == ReadAll(input, others));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  CheckRoundTrip(input);
  CheckShutDownSave(input);
  return 0;
}
