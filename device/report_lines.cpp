#include "device/report_lines.h"

namespace tonquil {
namespace {

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= 32; }

}  // namespace

std::string_view TrimReply(std::string_view reply) {
  std::size_t begin = 0;
  std::size_t end = reply.size();
  while (begin < end && IsBlankOrControl(reply[begin])) ++begin;
  while (end > begin && IsBlankOrControl(reply[end - 1])) --end;
  return reply.substr(begin, end - begin);
}

std::optional<std::string_view> LineCutter::Next() {
  if (pos_ >= text_.size()) return std::nullopt;
  std::size_t end = text_.find_first_of("\r\n", pos_);
  if (end == std::string_view::npos) end = text_.size();
  const std::string_view line = text_.substr(pos_, end - pos_);
  pos_ = end;
  if (pos_ < text_.size() && text_[pos_] == '\r') ++pos_;
  if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
  return line;
}

bool BeginsWith(std::u16string_view line, std::u16string_view literal) {
  return line.substr(0, literal.size()) == literal;
}

std::u16string RemoveEvery(std::u16string_view line, std::u16string_view literal) {
  if (literal.empty()) return std::u16string(line);
  std::u16string rest;
  rest.reserve(line.size());
  std::size_t pos = 0;
  for (std::size_t hit = line.find(literal); hit != std::u16string_view::npos; hit = line.find(literal, pos)) {
    rest.append(line.substr(pos, hit - pos));
    pos = hit + literal.size();
  }
  rest.append(line.substr(pos));
  return rest;
}

}  // namespace tonquil
