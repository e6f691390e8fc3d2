#pragma once
// The settings file as text: ordered sections of ordered lines, parsed leniently and
// written back in a fixed form.
#include <string>
#include <string_view>
#include <vector>

namespace tonquil {

struct IniLine {
  std::u16string key;  // the whole line when is_pair is false
  std::u16string value;
  bool is_pair = true;  // false for a line without "=": kept and written back, never found
};

struct IniSection {
  std::u16string name;
  std::vector<IniLine> lines;
};

// Section names and keys match regardless of ASCII case. Other letters must match
// exactly: the program's own names are all ASCII.
bool IniNamesEqual(std::u16string_view a, std::u16string_view b);

class IniDocument {
 public:
  // Drops empty lines, ";" comments and anything before the first section header.
  static IniDocument Parse(std::u16string_view text);

  // Each section as "[name]", its lines, then one empty line; every line ends with CR LF.
  std::u16string Format() const;

  // The value of the first matching key in the first matching section; null when absent.
  const std::u16string* Find(std::u16string_view section, std::u16string_view key) const;

  // Replaces the first matching line by key=value, with the key as given here, or appends
  // the line to the section. An absent section is appended to the document first.
  void Set(std::u16string_view section, std::u16string_view key, std::u16string_view value);

  const std::vector<IniSection>& sections() const { return sections_; }

 private:
  std::vector<IniSection> sections_;
};

}  // namespace tonquil
