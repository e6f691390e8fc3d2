#include "settings/settings_path.h"

namespace tonquil {
namespace {

constexpr std::u16string_view kSeparators = u"\\/";

bool IsRelative(std::u16string_view path) {
  const bool rooted = !path.empty() && kSeparators.find(path.front()) != std::u16string_view::npos;
  const bool on_a_drive = path.size() >= 2 && path[1] == u':';
  return !rooted && !on_a_drive;
}

}  // namespace

std::u16string SettingsPathFor(std::u16string_view executable_path) {
  const std::size_t separator = executable_path.find_last_of(kSeparators);
  const std::size_t name_start = separator == std::u16string_view::npos ? 0 : separator + 1;
  const std::size_t dot = executable_path.rfind(u'.');
  const bool has_extension = dot != std::u16string_view::npos && dot >= name_start;
  std::u16string path(has_extension ? executable_path.substr(0, dot) : executable_path);
  return path.append(u".ini");
}

std::u16string PathBesideExecutable(std::u16string_view executable_path, std::u16string_view path) {
  if (!IsRelative(path)) return std::u16string(path);
  const std::size_t separator = executable_path.find_last_of(kSeparators);
  const std::size_t folder_end = separator == std::u16string_view::npos ? 0 : separator + 1;
  return std::u16string(executable_path.substr(0, folder_end)).append(path);
}

}  // namespace tonquil
