// Feeds arbitrary bytes to the settings document as the file it loads, and checks that
// what it writes it reads back the same: the saved file has the fixed form, loading it
// gives the sections and lines that the first load gave, saving that again repeats the
// bytes, and every key reads the same value before and after. Then the two save steps
// of a shut-down run over the saved file, through the program's own functions: its keys
// read back what was written and every other key keeps its value. Bytes that are no
// text the reader knows are left as they are.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "settings/file_store.h"
#include "settings/ini_codec.h"
#include "settings/ini_document.h"
#include "settings/mem_ini_file.h"
#include "settings/option_values.h"
#include "settings/settings_session.h"

namespace {

using namespace std::string_view_literals;
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

std::optional<IniDocument> Parsed(const std::string& bytes) {
  const std::optional<std::u16string> text = tonquil::DecodeIniBytes(bytes);
  if (!text) return std::nullopt;
  return IniDocument::Parse(*text);
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

void CheckRoundTrip(const std::string& input, const IniDocument& loaded) {
  const std::string first = SavedUnchanged(input);
  RequireWrittenForm(first);
  const std::optional<IniDocument> reloaded = Parsed(first);
  Require(reloaded && SameDocument(*reloaded, loaded));
  Require(SavedUnchanged(first) == first);
  const std::vector<Key> keys = KeysOf(loaded);
  Require(ReadAll(first, keys) == ReadAll(input, keys));
}

// What the shut-down writes, taken from the input so that every run writes other values.
struct ExitValues {
  tonquil::WindowPosition main;
  tonquil::OptionValues options;
};

ExitValues ValuesFrom(const std::string& input, const IniDocument& loaded) {
  std::uint32_t seed = 2166136261u;
  for (const char byte : input) seed = (seed ^ static_cast<unsigned char>(byte)) * 16777619u;
  const auto signed_from = [](std::uint32_t bits) { return static_cast<std::int32_t>(bits); };
  ExitValues values;
  values.main = {signed_from(seed), signed_from(seed * 31u)};
  values.options.position = {signed_from(~seed), -signed_from(seed >> 1)};
  // The port is any text the document already holds as a value, as a dialog item might be.
  for (const IniSection& section : loaded.sections()) {
    for (const IniLine& line : section.lines) {
      if (line.is_pair) values.options.com_port = line.value;
    }
  }
  values.options.no_task_tray = (seed & 1u) != 0;
  values.options.no_task_tray_popup = (seed & 2u) != 0;
  values.options.msn = (seed & 4u) != 0;
  values.options.media_keys = (seed & 8u) != 0;
  return values;
}

// The two save steps of a shut-down, each on the file as the previous one left it, as
// the program runs them.
std::string SavedAtExit(const std::string& bytes, const ExitValues& values) {
  MemoryStore store(bytes);
  tonquil::SettingsSession session(store, kPath);
  Require(session.Save([&](TMemIniFile& document) { tonquil::WriteMainPosition(document, values.main); }));
  Require(session.Save([&](TMemIniFile& document) { tonquil::WriteOptionValues(document, values.options); }));
  return store.bytes();
}

bool SameOptions(const tonquil::OptionValues& a, const tonquil::OptionValues& b) {
  return a.position.left == b.position.left && a.position.top == b.position.top && a.com_port == b.com_port &&
         a.no_task_tray == b.no_task_tray && a.no_task_tray_popup == b.no_task_tray_popup && a.msn == b.msn &&
         a.media_keys == b.media_keys;
}

// The next start reads back what the shut-down wrote.
void RequireExitValues(const std::string& saved, const ExitValues& values) {
  MemoryStore store(saved);
  const TMemIniFile document(store, kPath);
  const tonquil::WindowPosition main = tonquil::ReadMainPosition(document);
  Require(main.left == values.main.left && main.top == values.main.top);
  Require(SameOptions(tonquil::ReadOptionValues(document), values.options));
}

// The keys of `keys` that the shut-down does not write. Found by running it over a file
// that holds each of them with a marker value: a key it writes holds the marker no more.
// Two markers, since a written value may equal one of them.
std::vector<Key> KeysLeftAlone(const std::vector<Key>& keys, const ExitValues& values) {
  std::vector<bool> written(keys.size(), false);
  for (const std::u16string_view marker : {u"\xFFFF marker 1"sv, u"\xFFFF marker 2"sv}) {
    IniDocument marked;
    for (const Key& key : keys) marked.Set(key.section, key.key, marker);
    MemoryStore store(SavedAtExit(tonquil::EncodeIniBytes(marked.Format()), values));
    const TMemIniFile document(store, kPath);
    for (std::size_t i = 0; i < keys.size(); ++i) {
      if (document.ReadString(keys[i].section, keys[i].key, marker) != marker) written[i] = true;
    }
  }
  std::vector<Key> left;
  for (std::size_t i = 0; i < keys.size(); ++i) {
    if (!written[i]) left.push_back(keys[i]);
  }
  return left;
}

void CheckShutDownSave(const std::string& input, const IniDocument& loaded) {
  const ExitValues values = ValuesFrom(input, loaded);
  const std::string saved = SavedAtExit(input, values);
  RequireWrittenForm(saved);
  RequireExitValues(saved, values);
  const std::vector<Key> others = KeysLeftAlone(KeysOf(loaded), values);
  Require(ReadAll(saved, others) == ReadAll(input, others));
}

// Bytes in no encoding that the reader knows make no document, and a shut-down over
// them writes nothing.
void CheckUnreadable(const std::string& input) {
  MemoryStore store(input);
  tonquil::SettingsSession session(store, kPath);
  session.Read([](const TMemIniFile&) {});
  Require(session.keeps_unreadable_file());
  Require(!session.Save([](TMemIniFile& document) { tonquil::WriteMainPosition(document, {1, 2}); }));
  Require(store.bytes() == input);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::optional<IniDocument> loaded = Parsed(input);
  if (!loaded) {
    CheckUnreadable(input);
    return 0;
  }
  CheckRoundTrip(input, *loaded);
  CheckShutDownSave(input, *loaded);
  return 0;
}
