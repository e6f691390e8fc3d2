#pragma once
// The settings file sits beside the executable and is named after it.
#include <string>
#include <string_view>

namespace tonquil {

// The executable's full path with its extension replaced by ".ini": everything from the
// last "." after the last "\" or "/" goes; a name without "." gets ".ini" appended.
std::u16string SettingsPathFor(std::u16string_view executable_path);

}  // namespace tonquil
