#pragma once
// The notice as the messenger reads it: eight fields, each ended by the two characters
// backslash and zero (not a NUL), sent as UTF-16LE with one terminating NUL.
#include <cstddef>
#include <cstdint>
#include <string>

#include "nowplaying/now_playing_info.h"

namespace tonquil {

// The copy-data id under which the messenger expects a now-playing notice.
inline constexpr std::uintptr_t kNowPlayingDataId = 1351;

// AppId, "Music", 1 or 0, AppId + ": {0} - {1}", Text1, Text2 and two empty fields.
// The texts go in exactly as given: nothing in them is escaped or interpreted.
std::u16string NoticeText(const TNowPlayingInfo& info, bool enabled);

// The size of the copy-data payload: the text's bytes and its terminating NUL.
std::size_t CopyDataSize(const std::u16string& text);

// The payload itself: the text in UTF-16LE and a NUL code unit, CopyDataSize bytes.
std::string CopyDataBytes(const std::u16string& text);

}  // namespace tonquil
