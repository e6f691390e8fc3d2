// Tonquil's main window with nothing behind it: the same class, every control of its
// layout table at the same places, the same fonts, manifest and DPI handling, shown; but
// no settings file, no options, no tray icon, no guard and no port. The benchmark starts
// it beside Tonquil.exe: the difference is what Tonquil does before its window shows
// that the window itself does not need.
#include <windows.h>
#include <commctrl.h>

#include "app/win32/main_window.h"
#include "device/port_link.h"
#include "device/win32/win32_comm_api.h"
#include "settings/settings_session.h"
#include "settings/win32/win32_file_store.h"
#include "text/win32/win32_ansi_decoder.h"
#include "ui/app_identity.h"
#include "ui/win32/application.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show_command) {
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  ui::Application& application = ui::Application::Instance();
  application.SetTitle(tonquil::kApplicationTitle);
  // Never used: the window's constructor only keeps references to them.
  tonquil::Win32CommApi comm;
  tonquil::PortLink link(comm);
  tonquil::Win32FileStore files;
  tonquil::SettingsSession settings(files, u"");
  tonquil::Win32AnsiDecoder decoder;
  TTNQL_MAIN main_window(link, settings, decoder, u"");
  // Shown straight away: Show() would run the first showing's work.
  ShowWindow(main_window.handle(), show_command);
  return application.Run();
}
