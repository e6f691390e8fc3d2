#pragma once
// Line faults that tests ask for: how one reply is cut up and altered on its way out.
#include <cstddef>
#include <string>
#include <vector>

namespace tonquil::emu {

struct ReplyShape {
  bool lf_cr = false;      // lines end with LF CR instead of CR LF
  bool nul = false;        // a zero byte after the first line
  std::size_t split = 0;   // pieces of at most this many bytes; 0 keeps the reply whole
  std::size_t cut = 0;     // bytes of a reply sent at once, the rest held for the next
                           // command; 0 holds nothing back
};

// Leaves the bytes to send now in reply and gives the rest to hold back.
std::string CutReply(std::string& reply, const ReplyShape& shape);

// The pieces to send, in order; none for an empty reply.
std::vector<std::string> ShapeReply(std::string reply, const ReplyShape& shape);

// Exactly size bytes of console chatter in whole CR LF lines (the last one padded),
// matching no report the program understands.
std::string BurstText(std::size_t size);

}  // namespace tonquil::emu
