#pragma once
// Where each setting lives in the settings file, and the value it takes when the file
// has none. The main window owns "Main", the options dialog "Option"; the "Option" keys
// are listed in the order in which they are read and written.
#include <cstdint>
#include <string_view>

namespace tonquil {

struct IntegerSetting {
  std::u16string_view section;
  std::u16string_view key;
  std::int32_t default_value;
};

struct StringSetting {
  std::u16string_view section;
  std::u16string_view key;
  std::u16string_view default_value;
};

struct BoolSetting {
  std::u16string_view section;
  std::u16string_view key;
  bool default_value;
};

inline constexpr std::u16string_view kMainSection = u"Main";
inline constexpr std::u16string_view kOptionSection = u"Option";

// Screen pixels of the main window's top-left corner.
inline constexpr IntegerSetting kMainX{kMainSection, u"X", 100};
inline constexpr IntegerSetting kMainY{kMainSection, u"Y", 100};

// Screen pixels of the options dialog's top-left corner.
inline constexpr IntegerSetting kOptionX{kOptionSection, u"X", 100};
inline constexpr IntegerSetting kOptionY{kOptionSection, u"Y", 100};
// Text of the selected port item; empty when none is selected.
inline constexpr StringSetting kOptionComPort{kOptionSection, u"ComPort", u"COM1"};
inline constexpr BoolSetting kOptionNoTaskTray{kOptionSection, u"NoTaskTray", false};
inline constexpr BoolSetting kOptionNoTaskTrayPopup{kOptionSection, u"NoTaskTrayPopup", false};
inline constexpr BoolSetting kOptionMsn{kOptionSection, u"MSN", false};

// Keys beyond the six above are written only when they differ from their default or were
// in the file already, so that a file of defaults stays what it always was.
// Check box C_MediaKeys: the media keys drive the module.
inline constexpr BoolSetting kOptionMediaKeys{kOptionSection, u"MediaKeys", true};
// The now-playing file for stream overlays. The user writes these keys by hand and the
// program only reads them, once at start: a save leaves them as the file has them, also
// when they were edited while the program ran.
// Its path; empty means no file, a relative path lies beside the executable.
inline constexpr StringSetting kOptionNowPlayingFile{kOptionSection, u"NowPlayingFile", u""};
// The template of the text written while a song is known.
inline constexpr StringSetting kOptionNowPlayingFormat{kOptionSection, u"NowPlayingFormat", u"{title} - {artist}"};
// The text written while nothing is known.
inline constexpr StringSetting kOptionNowPlayingIdle{kOptionSection, u"NowPlayingIdle", u""};

}  // namespace tonquil
