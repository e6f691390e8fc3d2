// The main window in the notification area: minimising to the tray, the tray icon's
// mouse, its menu, and coming back.
#include "app/win32/main_window.h"

#include <iterator>

using M = TTNQL_MAIN;
using ui::MenuPlace;

namespace {

const ui::MenuRow<TTNQL_MAIN> kTrayMenu[] = {
    {L"タスクトレイから出す", MenuPlace::Top, &M::PM_ShowClick},       // PM_Show
    {L"-", MenuPlace::Top, nullptr},                                   // PM_N01
    {L"コントロール", MenuPlace::OpensSubmenu, nullptr},               // PM_Control
    {L"次の曲", MenuPlace::InSubmenu, &M::B_NextSongClick},            // PM_NextSong
    {L"前の曲", MenuPlace::InSubmenu, &M::B_PrevSongClick},            // PM_PrevSong
    {L"-", MenuPlace::InSubmenu, nullptr},                             // PM_N03
    {L"次のディレクトリ", MenuPlace::InSubmenu, &M::B_NextDirClick},   // PM_NextDir
    {L"前のディレクトリ", MenuPlace::InSubmenu, &M::B_PrevDirClick},   // PM_PrevDir
    {L"-", MenuPlace::InSubmenu, nullptr},                             // PM_N04
    {L"再生/停止", MenuPlace::InSubmenu, &M::B_PlayClick},             // PM_Play
    {L"一時停止", MenuPlace::InSubmenu, &M::B_PauseClick},             // PM_Pause
    {L"-", MenuPlace::Top, nullptr},                                   // PM_N02
    {L"終了", MenuPlace::Top, &M::PM_ExitClick},                       // PM_Exit
};

}  // namespace

void TTNQL_MAIN::BuildTrayMenu() {
  PM_Tray.Build(kTrayMenu);
  TrayIcon.OnRequest([this](const tonquil::TrayRequest& request) { TrayIconRequest(request); });
}

void TTNQL_MAIN::TrayIconRequest(const tonquil::TrayRequest& request) {
  POINT at{request.x, request.y};
  switch (request.action) {
    case tonquil::TrayAction::ShowOrHide:
      PM_ShowClick();
      return;
    case tonquil::TrayAction::MenuAtCursor:
      GetCursorPos(&at);
      break;
    case tonquil::TrayAction::MenuAtAnchor:
      break;
    case tonquil::TrayAction::IconLost:
      ShowInPlaceOfTheIcon();
      return;
    case tonquil::TrayAction::None:
      return;
  }
  const UINT chosen = PM_Tray.TrackAt(handle(), at);
  // The focus goes back where the menu was opened from before a choice is carried
  // out: showing the window takes it from there, exiting ends everything anyway.
  TrayIcon.ReturnFocus();
  if (chosen == 0 || chosen > std::size(kTrayMenu)) return;
  if (const auto handler = kTrayMenu[chosen - 1].on_click) (this->*handler)();
}

void TTNQL_MAIN::HideToTray() {
  ShowWindow(handle(), SW_HIDE);
  if (!TrayIcon.SetVisible(true)) ShowInPlaceOfTheIcon();
}

// Hidden without an icon (no shell, a busy one, or a new one that would not take the
// icon back), the window could not be brought back: it shows again as it was,
// minimised on the task bar or open.
void TTNQL_MAIN::ShowInPlaceOfTheIcon() { ShowWindow(handle(), SW_SHOWNA); }

// Raised after the window was minimised. A minimised start stays on the task bar, and
// so does a window with a modal window over it (it is disabled then): in the tray, the
// modal window would be hidden with it and hold the program out of sight.
void TTNQL_MAIN::ApplicationEventsMinimize() {
  if (first_showing_ || TNQL_OPTION == nullptr || !IsWindowEnabled(handle())) return;
  if (TNQL_OPTION->C_NoTaskTray.IsChecked()) return;
  HideToTray();
}

void TTNQL_MAIN::PM_ShowClick() {
  if (IsVisible()) {
    HideToTray();
    return;
  }
  ShowWindow(handle(), SW_SHOW);
  SetForegroundWindow(handle());
  TrayIcon.SetVisible(false);
  SendMessageW(handle(), WM_SYSCOMMAND, SC_RESTORE, -1);
}

void TTNQL_MAIN::PM_ExitClick() { PostMessageW(handle(), WM_CLOSE, 0, 0); }
