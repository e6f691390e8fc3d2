#pragma once
// The driver's output: one record a line, a kind and then tab-separated key=value
// fields with backslash escapes.
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace tonquil::e2e {

struct Rect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool operator==(const Rect& other) const {
    return x == other.x && y == other.y && width == other.width && height == other.height;
  }
};
std::ostream& operator<<(std::ostream& out, const Rect& rect);

class Record {
 public:
  static Record Parse(const std::string& line);

  const std::string& kind() const { return kind_; }
  bool Has(const std::string& key) const { return fields_.count(key) != 0; }
  // The field's text; fails the calling test through an exception when it is absent.
  std::string Text(const std::string& key) const;
  long long Number(const std::string& key) const;  // decimal or 0x hex
  bool Flag(const std::string& key) const;
  Rect RectOf(const std::string& key) const;                 // "x,y,w,h"
  std::vector<std::string> List(const std::string& key) const;  // "a|b|c"
  const std::string& line() const { return line_; }

 private:
  std::string line_;
  std::string kind_;
  std::map<std::string, std::string> fields_;  // raw, still escaped
};

std::vector<Record> ParseRecords(const std::string& output);
std::string Unescape(const std::string& text);

}  // namespace tonquil::e2e
