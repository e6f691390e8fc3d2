#include "cp932.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace tonquil::emu {
namespace {

class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) {
      throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  ~Converter() { iconv_close(cd_); }

  // Converts as much as possible from in, appending to out; returns false when
  // it stopped at a sequence it cannot convert (in then points at it).
  bool Run(std::string_view& in, std::string& out) {
    char buffer[256];
    while (!in.empty()) {
      char* src = const_cast<char*>(in.data());
      size_t src_left = in.size();
      char* dst = buffer;
      size_t dst_left = sizeof buffer;
      const size_t rc = iconv(cd_, &src, &src_left, &dst, &dst_left);
      out.append(buffer, static_cast<size_t>(dst - buffer));
      in.remove_prefix(in.size() - src_left);
      if (rc == static_cast<size_t>(-1) && errno != E2BIG) return false;
    }
    return true;
  }

 private:
  iconv_t cd_;
};

// How many bytes of an unconvertible sequence to drop: the lead byte and those
// that can only belong to it, never a byte that may start the next character.
size_t BadUtf8Length(std::string_view in) {
  const auto lead = static_cast<unsigned char>(in[0]);
  const size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  size_t skip = 1;
  while (skip < length && skip < in.size() && (static_cast<unsigned char>(in[skip]) & 0xC0) == 0x80) {
    ++skip;
  }
  return skip;
}

size_t BadCp932Length(std::string_view in) {
  const auto lead = static_cast<unsigned char>(in[0]);
  const bool double_byte = (lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC);
  if (!double_byte || in.size() < 2) return 1;
  const auto trail = static_cast<unsigned char>(in[1]);
  return trail >= 0x40 && trail <= 0xFC && trail != 0x7F ? 2 : 1;
}

std::string Convert(const char* to, const char* from, std::string_view in,
                    std::string_view replacement, size_t (*bad_length)(std::string_view)) {
  Converter converter(to, from);
  std::string out;
  while (!converter.Run(in, out) && !in.empty()) {
    out.append(replacement);
    in.remove_prefix(bad_length(in));
  }
  return out;
}

}  // namespace

std::string Utf8ToCp932(std::string_view utf8) {
  return Convert("CP932", "UTF-8", utf8, "?", BadUtf8Length);
}

std::string Cp932ToUtf8(std::string_view cp932) {
  return Convert("UTF-8", "CP932", cp932, "\xEF\xBF\xBD", BadCp932Length);
}

}  // namespace tonquil::emu
