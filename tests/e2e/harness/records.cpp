#include "records.h"

#include <cstdio>
#include <sstream>
#include <stdexcept>

namespace tonquil::e2e {
namespace {

// Splits at separator characters that no backslash escapes; the parts stay escaped.
std::vector<std::string> SplitUnescaped(const std::string& text, char separator) {
  std::vector<std::string> parts(1);
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size()) {
      parts.back() += text.substr(i, 2);
      ++i;
    } else if (text[i] == separator) {
      parts.emplace_back();
    } else {
      parts.back() += text[i];
    }
  }
  return parts;
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const Rect& rect) {
  return out << "(" << rect.x << ", " << rect.y << ", " << rect.width << " x " << rect.height
             << ")";
}

std::string Unescape(const std::string& text) {
  std::string plain;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      plain += text[i];
      continue;
    }
    const char next = text[++i];
    plain += next == 't' ? '\t' : next == 'r' ? '\r' : next == 'n' ? '\n' : next;
  }
  return plain;
}

Record Record::Parse(const std::string& line) {
  Record record;
  record.line_ = line;
  std::vector<std::string> fields = SplitUnescaped(line, '\t');
  record.kind_ = fields.front();
  for (size_t i = 1; i < fields.size(); ++i) {
    const size_t equals = fields[i].find('=');
    if (equals == std::string::npos) throw std::runtime_error("driver field without '=': " + line);
    record.fields_[fields[i].substr(0, equals)] = fields[i].substr(equals + 1);
  }
  return record;
}

std::string Record::Text(const std::string& key) const {
  const auto field = fields_.find(key);
  if (field == fields_.end()) throw std::runtime_error("no field " + key + " in: " + line_);
  return Unescape(field->second);
}

long long Record::Number(const std::string& key) const {
  const std::string text = Text(key);
  try {
    size_t used = 0;
    const long long value = std::stoll(text, &used, 0);
    if (used == text.size()) return value;
  } catch (const std::exception&) {
  }
  throw std::runtime_error("field " + key + " is not a number in: " + line_);
}

bool Record::Flag(const std::string& key) const {
  return Number(key) != 0;
}

Rect Record::RectOf(const std::string& key) const {
  Rect rect;
  char end = '\0';
  if (std::sscanf(Text(key).c_str(), "%d,%d,%d,%d%c", &rect.x, &rect.y, &rect.width,
                  &rect.height, &end) != 4) {
    throw std::runtime_error("field " + key + " is not a rectangle in: " + line_);
  }
  return rect;
}

std::vector<std::string> Record::List(const std::string& key) const {
  const auto field = fields_.find(key);
  if (field == fields_.end()) throw std::runtime_error("no field " + key + " in: " + line_);
  std::vector<std::string> items;
  if (field->second.empty()) return items;
  for (const std::string& item : SplitUnescaped(field->second, '|')) items.push_back(Unescape(item));
  return items;
}

std::vector<Record> ParseRecords(const std::string& output) {
  std::vector<Record> records;
  std::istringstream lines(output);
  std::string line;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) records.push_back(Record::Parse(line));
  }
  return records;
}

}  // namespace tonquil::e2e
