#include "json_reader.h"

#include <stdexcept>

#include "text/utf8.h"

namespace tonquil::e2e {
namespace {

class Reader {
 public:
  explicit Reader(const std::string& text) : text_(text) {}

  void Object(const std::string& prefix, std::map<std::string, std::string>& members) {
    Expect('{');
    if (Peek() == '}') {
      ++at_;
      return;
    }
    for (;;) {
      const std::string key = prefix + String();
      Expect(':');
      if (Peek() == '{') {
        Object(key + ".", members);
      } else if (Peek() == '"') {
        Store(members, key, String());
      } else if (text_.compare(at_, 4, "true") == 0) {
        at_ += 4;
        Store(members, key, "true");
      } else if (text_.compare(at_, 5, "false") == 0) {
        at_ += 5;
        Store(members, key, "false");
      } else {
        Fail("a value");
      }
      if (Peek() == '}') {
        ++at_;
        return;
      }
      Expect(',');
    }
  }

  void End() {
    if (at_ != text_.size()) Fail("the end");
  }

 private:
  char Peek() const { return at_ < text_.size() ? text_[at_] : '\0'; }
  void Expect(char c) {
    if (Peek() != c) Fail(std::string("'") + c + "'");
    ++at_;
  }
  [[noreturn]] void Fail(const std::string& wanted) const {
    throw std::runtime_error("not the JSON expected: " + wanted + " wanted at byte " + std::to_string(at_) +
                             " of " + text_);
  }
  static void Store(std::map<std::string, std::string>& members, const std::string& key, const std::string& value) {
    if (!members.emplace(key, value).second) throw std::runtime_error("JSON key twice: " + key);
  }

  unsigned Hex4() {
    if (at_ + 4 > text_.size()) Fail("four hex digits");
    const std::string digits = text_.substr(at_, 4);
    if (digits.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) Fail("four hex digits");
    at_ += 4;
    return static_cast<unsigned>(std::stoul(digits, nullptr, 16));
  }

  // A string; its raw bytes must be UTF-8 with no control character.
  std::string String() {
    Expect('"');
    std::string out;
    for (;;) {
      const auto c = static_cast<unsigned char>(Peek());
      if (at_ >= text_.size() || c < 0x20) Fail("a string's character");
      ++at_;
      if (c == '"') return out;
      if (c != '\\') {
        out += static_cast<char>(c);
        continue;
      }
      const char escape = Peek();
      ++at_;
      switch (escape) {
        case '"': case '\\': case '/': out += escape; break;
        case 'b': out += '\b'; break;
        case 'f': out += '\f'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case 'u': {
          std::u16string units(1, static_cast<char16_t>(Hex4()));
          if (units[0] >= 0xD800 && units[0] <= 0xDBFF && text_.compare(at_, 2, "\\u") == 0) {
            at_ += 2;
            units += static_cast<char16_t>(Hex4());
            if (units[1] < 0xDC00 || units[1] > 0xDFFF) Fail("a low surrogate");
          } else if (units[0] >= 0xD800 && units[0] <= 0xDFFF) {
            Fail("no lone surrogate");
          }
          out += Utf16ToUtf8(units);
          break;
        }
        default: Fail("an escape");
      }
    }
  }

  const std::string& text_;
  size_t at_ = 0;
};

}  // namespace

std::map<std::string, std::string> ReadJsonObject(const std::string& text) {
  std::map<std::string, std::string> members;
  Reader reader(text);
  reader.Object("", members);
  reader.End();
  return members;
}

}  // namespace tonquil::e2e
