#include "app/win32/main_window.h"

#include <windowsx.h>

#include "app/edge_snap.h"
#include "app/win32/instance_guard.h"
#include "settings/option_values.h"
#include "ui/win32/application.h"
#include "text/win32/wide.h"

TTNQL_MAIN* TNQL_MAIN = nullptr;

namespace {

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr int kClientWidth = 449;
constexpr int kClientHeight = 529;
constexpr UINT_PTR kMediaSessionTimer = 1;

tonquil::ScreenRect ToScreenRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace

TTNQL_MAIN::TTNQL_MAIN(tonquil::PortLink& link, tonquil::SettingsSession& settings,
                       const tonquil::AnsiDecoder& decoder, std::u16string executable_path)
    : link_(link),
      settings_(settings),
      exchange_(link, decoder, tonquil::ReportTargets{*this, *this, *this}),
      font_(L"Tahoma", -11),
      executable_path_(std::move(executable_path)) {
  CreateTopLevel({L"TTNQL_MAIN", kStyle, 0, kClientWidth, kClientHeight}, nullptr);
  font_.ScaleTo(dpi());
  ui::CreateControls(*this, handle(), kLayout, font_.handle(), dpi());
  SetCaption(ui::Application::Instance().title());
  TrayIcon.SetTip(ui::Application::Instance().title());
  BuildTrayMenu();
  TNQL_MAIN = this;
}

TTNQL_MAIN::~TTNQL_MAIN() {
  if (TNQL_MAIN == this) TNQL_MAIN = nullptr;
  if (TNQL_OPTION == options_.get()) TNQL_OPTION = nullptr;
}

void TTNQL_MAIN::Show(int show_command) {
  const bool first = !shown_once_;
  if (first) {
    shown_once_ = true;
    FormShow();
  }
  first_showing_ = true;
  // A start asked to be hidden (by a launcher or a scheduled task) would leave the
  // program with no window and no icon to reach it by: it shows as a normal start.
  ShowWindow(handle(), show_command == SW_HIDE ? SW_SHOWNORMAL : show_command);
  // Windows may answer the first ShowWindow of a process with the start's own request,
  // whatever it was asked.
  if (!IsVisible()) ShowWindow(handle(), SW_SHOWNORMAL);
  first_showing_ = false;
  // The system's media session shows nothing before a port is open, and making it loads
  // the Windows Runtime: it is made once the window has been drawn (a timer's message
  // comes after the paint), where its cost delays nothing a user sees.
  if (first) SetTimer(handle(), kMediaSessionTimer, 0, nullptr);
}

void TTNQL_MAIN::FormShow() {
  options_ = std::make_unique<TTNQL_OPTION>(handle(), link_);
  TNQL_OPTION = options_.get();
  // The file is read once, for the window's place, the options and the now-playing file,
  // in that order.
  settings_.Read([this](const tonquil::TMemIniFile& document) {
    const tonquil::WindowPosition position = tonquil::ReadMainPosition(document);
    MoveTo(position.left, position.top);
    options_->LoadOptions(document);
    StartNowPlayingFile(document);
  });
  options_->OnMediaKeysChange([this] { UpdateMediaKeys(); });
}

void TTNQL_MAIN::FormClose() {
  SaveAndRelease();
  TNQL_OPTION = nullptr;
  options_.reset();
}

// The close work that outlasts the process: the port, the settings, the notice and the
// guard. Done once, whichever way the program ends.
void TTNQL_MAIN::SaveAndRelease() {
  if (released_) return;
  released_ = true;
  // The file takes the idle text before the port closes, once, whether a port was open
  // or not.
  StopNowPlayingFile();
  if (link_.HoldsPort()) B_CloseClick();
  CloseMediaSession();
  SaveMainPosition();
  if (MsnEnabledAtLoad()) ClearNowPlaying();
  if (options_) options_->SaveOptions(settings_);
  tonquil::ReleaseInstanceGuard();
}

// The session ends: the process is ended soon after this returns, maybe while the
// options dialog or one of the search's message boxes runs its modal loop further down
// the stack. The close work is done here and now; the quit message then ends every
// modal loop in turn and the main loop last, and the windows go with the objects that
// own them, so no loop returns into a dialog that is gone.
void TTNQL_MAIN::EndSession() {
  SaveAndRelease();
  PostQuitMessage(0);
}

void TTNQL_MAIN::B_OpenClick() {
  const std::wstring name = TNQL_OPTION != nullptr ? TNQL_OPTION->CB_COM.SelectedText() : L"";
  if (!link_.OpenPort(ui::FromWide(name))) return;
  B_Open.SetEnabled(false);
  B_Close.SetEnabled(true);
  GB1.SetEnabled(true);
  UpdateMediaKeys();
  now_playing_.PortOpened();
  exchange_.RefreshStatus();
}

void TTNQL_MAIN::B_CloseClick() {
  if (!link_.ClosePort()) return;
  B_Open.SetEnabled(true);
  B_Close.SetEnabled(false);
  GB1.SetEnabled(false);
  UpdateMediaKeys();
  now_playing_.PortClosed();
}

void TTNQL_MAIN::B_OptionClick() {
  if (TNQL_OPTION == nullptr) return;
  TNQL_OPTION->ShowModal();
  // An end of the session during the showing has saved and released everything.
  if (!released_) SaveSettingsNow();
}

// What the user chose in the options dialog goes to disk when the dialog closes, so a
// crash or a power cut later in the run does not take it. The exit's two save steps, so
// that the file holds both sections in the order the exit writes them: the exit then
// finds every key in place and writes the bytes it would have written without this.
void TTNQL_MAIN::SaveSettingsNow() {
  SaveMainPosition();
  options_->SaveOptions(settings_);
}

void TTNQL_MAIN::SaveMainPosition() {
  const tonquil::WindowPosition position = NormalPosition();
  settings_.Save([&](tonquil::TMemIniFile& document) { tonquil::WriteMainPosition(document, position); });
}

// The position the window has when shown normally, also while it is minimised or
// hidden.
tonquil::WindowPosition TTNQL_MAIN::NormalPosition() const {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  GetWindowPlacement(handle(), &placement);
  // The placement is in workspace coordinates; they differ from the screen's by the
  // work area's offset when a task bar sits at the top or left.
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(handle(), MONITOR_DEFAULTTONEAREST), &monitor);
  const LONG dx = monitor.rcWork.left - monitor.rcMonitor.left;
  const LONG dy = monitor.rcWork.top - monitor.rcMonitor.top;
  return {placement.rcNormalPosition.left + dx, placement.rcNormalPosition.top + dy};
}

void TTNQL_MAIN::LayOutForDpi(int dpi) {
  font_.ScaleTo(dpi);
  ui::PlaceControls(*this, kLayout, font_.handle(), dpi);
}

void TTNQL_MAIN::SnapWhileMoving(WINDOWPOS& position) const {
  if (!moving_ || (position.flags & SWP_NOMOVE) != 0) return;
  const RECT current = WindowRect();
  const RECT moved{position.x, position.y, position.x + (current.right - current.left),
                   position.y + (current.bottom - current.top)};
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromRect(&moved, MONITOR_DEFAULTTONEAREST), &monitor);
  const tonquil::ScreenRect snapped = tonquil::SnapToEdges(ToScreenRect(moved), ToScreenRect(monitor.rcWork),
                                                           ui::ScaleForDpi(tonquil::kSnapDistance, dpi()));
  position.x = snapped.left;
  position.y = snapped.top;
}

LRESULT TTNQL_MAIN::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  LRESULT result = 0;
  if (ui::HandleLayoutMessage(*this, kLayout, message, wparam, lparam, result)) return result;
  if (HandleMediaKeyMessage(message, wparam, lparam, result)) return result;
  switch (message) {
    case WM_ENTERSIZEMOVE:
      moving_ = true;
      return 0;
    case WM_EXITSIZEMOVE:
      moving_ = false;
      return 0;
    case WM_WINDOWPOSCHANGING:
      SnapWhileMoving(*reinterpret_cast<WINDOWPOS*>(lparam));
      break;
    case WM_SIZE:
      if (wparam == SIZE_MINIMIZED) ApplicationEventsMinimize();
      break;
    case WM_TIMER:
      if (wparam != kMediaSessionTimer) break;
      KillTimer(handle(), kMediaSessionTimer);
      if (!released_) OpenMediaSession();
      return 0;
    case WM_CLOSE:
      // Disabled, this window has a modal window or message box over it, whose handler
      // may still be using the options dialog that the close work destroys. The request
      // is refused, as a click on a disabled window would be.
      if (!IsWindowEnabled(handle())) return 0;
      FormClose();
      DestroyWindow(handle());
      return 0;
    case WM_COPYDATA:
      return RemoteRequest(reinterpret_cast<HWND>(wparam), reinterpret_cast<const COPYDATASTRUCT*>(lparam));
    case WM_ENDSESSION:
      // Logging off or shutting down sends no WM_CLOSE, and a close request is refused
      // while a modal window is up, which the end of the session does not wait for.
      if (wparam != FALSE) EndSession();
      return 0;
    case WM_DESTROY:
      TrayIcon.SetVisible(false);
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return Window::HandleMessage(message, wparam, lparam);
}
