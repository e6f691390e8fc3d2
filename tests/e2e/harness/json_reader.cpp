#include "json_reader.h"

#include <stdexcept>

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

  static void AppendUtf8(std::string& out, unsigned cp) {
    if (cp < 0x80) {
      out += static_cast<char>(cp);
    } else if (cp < 0x800) {
      out += static_cast<char>(0xC0 | (cp >> 6));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
      out += static_cast<char>(0xE0 | (cp >> 12));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (cp >> 18));
      out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    }
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
          unsigned cp = Hex4();
          if (cp >= 0xD800 && cp <= 0xDBFF && text_.compare(at_, 2, "\\u") == 0) {
            at_ += 2;
            const unsigned low = Hex4();
            if (low < 0xDC00 || low > 0xDFFF) Fail("a low surrogate");
            cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
          } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            Fail("no lone surrogate");
          }
          AppendUtf8(out, cp);
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
