#include "output_queue.h"

#include <algorithm>

namespace tonquil::emu {

void OutputQueue::Push(std::string bytes, std::int64_t due_ms) {
  if (bytes.empty()) return;
  if (!pieces_.empty()) due_ms = std::max(due_ms, pieces_.back().due_ms);
  pieces_.push_back({std::move(bytes), due_ms, 0});
}

std::optional<std::int64_t> OutputQueue::NextDue() const {
  if (pieces_.empty()) return std::nullopt;
  return pieces_.front().due_ms;
}

std::string_view OutputQueue::Ready(std::int64_t now_ms) const {
  if (pieces_.empty() || pieces_.front().due_ms > now_ms) return {};
  const Piece& piece = pieces_.front();
  return std::string_view(piece.bytes).substr(piece.sent);
}

void OutputQueue::Consume(std::size_t count) {
  if (pieces_.empty()) return;
  Piece& piece = pieces_.front();
  piece.sent += count;
  if (piece.sent >= piece.bytes.size()) pieces_.pop_front();
}

}  // namespace tonquil::emu
