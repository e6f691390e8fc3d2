#pragma once
// One-line JSON for scripts that read the program's output: strings escaped so that the
// text is valid JSON whatever it holds, and written as UTF-8.
#include <string>
#include <string_view>

namespace tonquil {

// The text as a quoted JSON string: quotes, backslashes and control characters escaped,
// the rest UTF-8; a lone surrogate, which UTF-8 cannot carry, becomes U+FFFD.
std::string JsonString(std::u16string_view text);

// Members added in order to one object; a nested object between Open and Close.
class JsonObjectWriter {
 public:
  JsonObjectWriter() : text_("{") {}
  JsonObjectWriter& Add(std::string_view key, std::u16string_view value);
  // A literal is text: without this, a pointer would pass as a boolean.
  JsonObjectWriter& Add(std::string_view key, const char16_t* value) { return Add(key, std::u16string_view(value)); }
  JsonObjectWriter& Add(std::string_view key, bool value);
  JsonObjectWriter& Open(std::string_view key);
  JsonObjectWriter& Close();
  // The object closed; no line end.
  std::string Text() const { return text_ + "}"; }

 private:
  void Key(std::string_view key);

  std::string text_;
  bool first_ = true;
};

}  // namespace tonquil
