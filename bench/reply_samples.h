#pragma once
// Module replies of a given size for timing the report parser, built from what the
// module really sends: file lines, tag blocks with code page 932 text, firmware
// blocks and status lines.
#include <cstddef>
#include <string>

namespace tonquil::bench {

// A reply as a status refresh gets it: file line, tag block, firmware block, status
// lines, over and over, cut at `size` bytes.
std::string RefreshReply(std::size_t size);

// The same blocks mixed with the console lines that the module prints by itself.
std::string MixedReply(std::size_t size);

}  // namespace tonquil::bench
