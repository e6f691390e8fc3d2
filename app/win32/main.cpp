// Entry point: refuses to start beside a running copy or one starting at the same
// moment, then makes the main window and runs the message loop. An error escaping
// start-up is shown once, captioned with the title.
#include <windows.h>
#include <commctrl.h>

#include "ui/app_identity.h"
#include "app/win32/instance_guard.h"
#include "app/win32/main_window.h"
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

int Run() {
  // Themed controls: the manifest asks for version 6, which this loads.
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  ui::Application& application = ui::Application::Instance();
  application.SetTitle(tonquil::kApplicationTitle);
  tonquil::Win32CommApi comm;
  tonquil::PortLink link(comm);
  tonquil::Win32FileStore files;
  tonquil::SettingsSession settings(files, tonquil::SettingsPathFor(ExecutablePath()));
  tonquil::Win32AnsiDecoder decoder;
  TTNQL_MAIN main_window(link, settings, decoder);
  main_window.Show(StartShowingTheWindow());
  return application.Run();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  if (tonquil::AnotherCopyIsRunning()) return kRefused;
  if (!tonquil::TakeInstanceGuard()) return kRefused;
  try {
    Run();
  } catch (...) {
    ui::Application::Instance().ShowError(std::current_exception());
  }
  return kEnded;
}
