#pragma once
// The text of a now-playing file, made from a template that the user writes: placeholders
// in braces stand for what the display shows of the song, and "\n" (a backslash and an n)
// for a line break. The text between two placeholders joins them, so it is written only
// when both are non-empty: "{title} - {artist}" is the title alone when there is no
// artist. An empty placeholder between two others drops out with the joint before it, so
// "{title} - {artist} [{state}]" without an artist is "title [state]", not "title state]".
// The text before the first placeholder and after the last frames the whole and is always
// written. Anything else, unknown names in braces included, is written as it is.
#include <string>
#include <string_view>

#include "nowplaying/now_playing_feed.h"

namespace tonquil {

std::u16string FillNowPlayingTemplate(std::u16string_view format, const NowPlaying& now);

}  // namespace tonquil
