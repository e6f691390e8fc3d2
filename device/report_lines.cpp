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

std::vector<std::u16string_view> SplitLines(std::u16string_view text) {
  std::vector<std::u16string_view> lines;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find_first_of(u"\r\n", pos);
    if (end == std::u16string_view::npos) end = text.size();
    lines.push_back(text.substr(pos, end - pos));
    pos = end;
    if (pos < text.size() && text[pos] == u'\r') ++pos;
    if (pos < text.size() && text[pos] == u'\n') ++pos;
  }
  return lines;
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
