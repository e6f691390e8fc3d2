#pragma once
// The values that the report parser recognises in the module's replies, one for each
// event: a status line, a block of S98 tags, a block of firmware information.
#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace tonquil {

enum class StatusLabel { Pause, Speed, Loop, Repeat, File };

enum class TagField { Title, Artist, Game, Year, Genre, Comment, Copyright, S98By, System };
inline constexpr int kTagFieldCount = 9;
inline constexpr std::array<TagField, kTagFieldCount> kTagFields = {
    TagField::Title, TagField::Artist,    TagField::Game,  TagField::Year,  TagField::Genre,
    TagField::Comment, TagField::Copyright, TagField::S98By, TagField::System};

// One line of status: the label it is for and the text that label shows.
struct StatusLine {
  StatusLabel label;
  std::u16string text;
};

// The nine tag fields as one block left them. A field whose key did not appear in the
// block is empty; so is every field of a tag marker that opens no S98 block.
class TagBlock {
 public:
  const std::u16string& operator[](TagField field) const { return fields_[Index(field)]; }
  std::u16string& operator[](TagField field) { return fields_[Index(field)]; }
  bool operator==(const TagBlock& other) const { return fields_ == other.fields_; }

 private:
  static std::size_t Index(TagField field) { return static_cast<std::size_t>(field); }
  std::array<std::u16string, kTagFieldCount> fields_;
};

// The firmware information, one entry per line, its header first. An empty block
// empties the memo.
struct FirmwareBlock {
  std::vector<std::u16string> lines;
};

}  // namespace tonquil
