#pragma once
// Reads one reply of the module and writes what it reports onto the display: play
// state, speed, loop count, repeat mode, file, the S98 tag block (then the balloon and
// the now-playing notice) and the firmware block. Keeps nothing between calls; a
// block cut off by the reply's end closes there.
#include <string_view>

#include "device/report_display.h"
#include "text/ansi_decoder.h"

namespace tonquil {

// The reply is the 8-bit text as read, possibly empty. It is decoded exactly once.
// An empty reply, or one of only blanks and line breaks, touches nothing on the display.
void ParseReply(std::string_view reply, const AnsiDecoder& decoder, ReportDisplay& display);

}  // namespace tonquil
