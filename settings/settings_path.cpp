#include "settings/settings_path.h"

namespace tonquil {

std::u16string SettingsPathFor(std::u16string_view executable_path) {
  const std::size_t separator = executable_path.find_last_of(u"\\/");
  const std::size_t name_start = separator == std::u16string_view::npos ? 0 : separator + 1;
  const std::size_t dot = executable_path.rfind(u'.');
  const bool has_extension = dot != std::u16string_view::npos && dot >= name_start;
  std::u16string path(has_extension ? executable_path.substr(0, dot) : executable_path);
  return path.append(u".ini");
}

}  // namespace tonquil
