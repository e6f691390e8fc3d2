#pragma once
// Bytes waiting to go on the line, each piece not before its due time. Pieces leave
// in the order they came, so a later piece is never due before an earlier one.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

namespace tonquil::emu {

class OutputQueue {
 public:
  void Push(std::string bytes, std::int64_t due_ms);

  std::optional<std::int64_t> NextDue() const;

  // The unsent bytes of the first piece once it is due; empty before that.
  std::string_view Ready(std::int64_t now_ms) const;

  // Marks count bytes of Ready() as sent.
  void Consume(std::size_t count);

 private:
  struct Piece {
    std::string bytes;
    std::int64_t due_ms;
    std::size_t sent;
  };
  std::deque<Piece> pieces_;
};

}  // namespace tonquil::emu
