#pragma once
// Reads what the module needs from an S98 file: version, tags and play length.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tonquil::emu {

struct S98Tag {
  std::string key;
  std::string value;  // code page 932 bytes, whatever the file stored
};

enum class TagSource { kNone, kUtf8, kCp932, kTitleString };

struct S98Info {
  int version = 0;
  TagSource tag_source = TagSource::kNone;
  std::vector<S98Tag> tags;  // in file order; a plain title string gives one "title"
  std::int64_t length_ms = 0;
};

struct S98ReadResult {
  std::optional<S98Info> info;
  std::string error;  // set when info is empty
};

S98ReadResult ReadS98(std::string_view file);

}  // namespace tonquil::emu
