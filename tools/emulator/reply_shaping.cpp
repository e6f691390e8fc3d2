#include "reply_shaping.h"

#include <cstdio>

namespace tonquil::emu {
namespace {

void InsertNulAfterFirstLine(std::string& reply) {
  const std::size_t end = reply.find("\r\n");
  reply.insert(end == std::string::npos ? reply.size() : end + 2, 1, '\0');
}

void SwapLineEnds(std::string& reply) {
  for (std::size_t at = reply.find("\r\n"); at != std::string::npos; at = reply.find("\r\n", at + 2)) {
    reply[at] = '\n';
    reply[at + 1] = '\r';
  }
}

std::string BurstLine(std::size_t number) {
  char line[64];
  std::snprintf(line, sizeof line, "Debug : sector %08zX read ... OK\r\n", number);
  return line;
}

}  // namespace

std::vector<std::string> ShapeReply(std::string reply, const ReplyShape& shape) {
  if (reply.empty()) return {};
  if (shape.nul) InsertNulAfterFirstLine(reply);
  if (shape.lf_cr) SwapLineEnds(reply);
  if (shape.split == 0) return {std::move(reply)};
  std::vector<std::string> pieces;
  for (std::size_t at = 0; at < reply.size(); at += shape.split) {
    pieces.push_back(reply.substr(at, shape.split));
  }
  return pieces;
}

std::string CutReply(std::string& reply, const ReplyShape& shape) {
  if (shape.cut == 0 || reply.size() <= shape.cut) return {};
  std::string rest = reply.substr(shape.cut);
  reply.resize(shape.cut);
  return rest;
}

std::string BurstText(std::size_t size) {
  std::string text;
  text.reserve(size);
  for (std::size_t number = 0;; ++number) {
    const std::string line = BurstLine(number);
    if (text.size() + line.size() > size) break;
    text += line;
  }
  const std::size_t rest = size - text.size();
  if (rest >= 2) return text + std::string(rest - 2, '.') + "\r\n";
  return text + std::string(rest, ' ');
}

}  // namespace tonquil::emu
