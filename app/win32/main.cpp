// Entry point. A start with command words hands them to the running copy, or starts
// Tonquil when they ask for that. Otherwise: refuses to start beside a running copy or
// one starting at the same moment, then makes the main window and runs the message loop.
// An error escaping start-up is shown once, captioned with the title.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

#include "ui/app_identity.h"
#include "app/win32/instance_guard.h"
#include "app/win32/main_window.h"
#include "app/win32/remote_start.h"
#include "app/win32/standard_output.h"
#include "device/port_link.h"
#include "device/win32/win32_comm_api.h"
#include "settings/settings_path.h"
#include "settings/win32/win32_file_store.h"
#include "text/win32/win32_ansi_decoder.h"
#include "ui/win32/application.h"
#include "text/win32/wide.h"

namespace {

constexpr int kRefused = 1;
constexpr int kEnded = 0;

std::u16string ExecutablePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return ui::FromWide(path);
    }
    path.resize(path.size() * 2);
  }
}

int StartShowingTheWindow() {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  GetStartupInfoW(&startup);
  return (startup.dwFlags & STARTF_USESHOWWINDOW) != 0 ? startup.wShowWindow : SW_SHOWNORMAL;
}

struct LocalFreer {
  void operator()(LPWSTR* arguments) const { LocalFree(arguments); }
};

// The arguments after the program's name. The splitting is left to the shell's library,
// which a start without arguments then never loads before its window shows.
std::vector<std::u16string> CommandLineArguments() {
  const wchar_t* const command_line = GetCommandLineW();
  if (!tonquil::HasArgumentsAfterProgramName(ui::FromWide(command_line))) return {};
  int count = 0;
  const std::unique_ptr<LPWSTR, LocalFreer> arguments(CommandLineToArgvW(command_line, &count));
  if (!arguments) return {};
  std::vector<std::u16string> result;
  for (int i = 1; i < count; ++i) result.push_back(ui::FromWide(arguments.get()[i]));
  return result;
}

// The exit code of a start with words, or none when Tonquil is to start.
std::optional<int> CarryOutElsewhere(const tonquil::RemoteArguments& arguments) {
  using tonquil::RemoteWord;
  namespace remote_exit = tonquil::remote_exit;
  if (arguments.unknown) {
    tonquil::WriteTo(tonquil::Stream::Error,
                     u"Unknown argument: \"" + *arguments.unknown + u"\"\n" + tonquil::RemoteUsage());
    return remote_exit::kUnknownWord;
  }
  const std::vector<RemoteWord>& words = arguments.words;
  if (words.empty()) return std::nullopt;
  if (std::all_of(words.begin(), words.end(), [](RemoteWord word) { return word == RemoteWord::Help; })) {
    tonquil::WriteTo(tonquil::Stream::Output, tonquil::RemoteUsage());
    return remote_exit::kDone;
  }
  if (const HWND running = tonquil::RunningMainWindow()) return tonquil::HandOver(running, words);
  if (tonquil::StartsTheProgram(words)) return std::nullopt;
  tonquil::WriteTo(tonquil::Stream::Error, u"Tonquil is not running.\n");
  return remote_exit::kNotRunning;
}

int Run(const std::vector<tonquil::RemoteWord>& start_words) {
  // Themed controls: the manifest asks for version 6, which this loads.
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  ui::Application& application = ui::Application::Instance();
  application.SetTitle(tonquil::kApplicationTitle);
  tonquil::Win32CommApi comm;
  tonquil::PortLink link(comm);
  tonquil::Win32FileStore files;
  const std::u16string executable_path = ExecutablePath();
  tonquil::SettingsSession settings(files, tonquil::SettingsPathFor(executable_path));
  tonquil::Win32AnsiDecoder decoder;
  TTNQL_MAIN main_window(link, settings, decoder, executable_path);
  main_window.Show(StartShowingTheWindow());
  // Words that started the program act once it is shown, as they would on a running copy.
  for (const tonquil::RemoteWord word : start_words) main_window.CarryOut(word, nullptr);
  return application.Run();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // A DLL left beside the exe (a download folder) or in the current folder is never
  // loaded: libraries loaded by name from here on, by this program or by a system
  // component in its process, come from the system folder alone.
  SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
  const tonquil::RemoteArguments arguments = tonquil::ParseRemoteArguments(CommandLineArguments());
  if (const std::optional<int> exit_code = CarryOutElsewhere(arguments)) return *exit_code;
  if (tonquil::AnotherCopyIsRunning()) return kRefused;
  if (!tonquil::TakeInstanceGuard()) return kRefused;
  try {
    Run(arguments.words);
  } catch (...) {
    ui::Application::Instance().ShowError(std::current_exception());
  }
  return kEnded;
}
