#pragma once
// Reads one reply of the module and sends what it reports to the display, one value per
// event: play state, speed, loop count, repeat mode, file, the S98 tag block (then the
// balloon and the now-playing notice) and the firmware block. Keeps nothing between
// calls; a block cut off by the reply's end closes there.
#include <string>
#include <string_view>

#include "device/report_sink.h"
#include "text/ansi_decoder.h"

namespace tonquil {

// The reply is the 8-bit text as read, possibly empty. It is cut into lines before it
// is decoded, one line at a time: CR and LF are never part of a multibyte character of
// an ANSI code page, so the lines are those of the decoded reply, and a broken
// character at a line's end cannot swallow the line break after it.
// An empty reply, or one of only blanks and line breaks, touches nothing on the display.
void ParseReply(std::string_view reply, const AnsiDecoder& decoder, const ReportTargets& targets);

// The balloon after a tag block with a title: "Title : " and the title, then the artist
// and the game on lines of their own when they are not empty.
std::u16string BalloonText(const TagBlock& tags);

}  // namespace tonquil
