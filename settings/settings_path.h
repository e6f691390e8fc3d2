#pragma once
// The settings file sits beside the executable and is named after it; a file that the
// settings name by a relative path sits beside the executable too.
#include <string>
#include <string_view>

namespace tonquil {

// The executable's full path with its extension replaced by ".ini": everything from the
// last "." after the last "\" or "/" goes; a name without "." gets ".ini" appended.
std::u16string SettingsPathFor(std::u16string_view executable_path);

// A path as the user wrote it, in the executable's folder when it is relative: one that
// starts with neither a drive ("C:"), nor "\\" or "/" (the drive's root or a share).
std::u16string PathBesideExecutable(std::u16string_view executable_path, std::u16string_view path);

}  // namespace tonquil
