#include "app/win32/tray_icon.h"

#include "app/tray_text.h"
#include "text/win32/wide.h"

namespace {

static_assert(tonquil::kTrayContextMenu == WM_CONTEXTMENU && tonquil::kTrayLeftDouble == WM_LBUTTONDBLCLK &&
                  tonquil::kTrayRightUp == WM_RBUTTONUP && tonquil::kTraySelect == NIN_SELECT &&
                  tonquil::kTrayKeySelect == NIN_KEYSELECT,
              "the shell's event codes");

constexpr UINT kIconId = 1;
constexpr UINT kCallbackMessage = WM_APP + 1;
constexpr UINT kBalloonTimeoutMs = 20000;

std::wstring Cut(const std::wstring& text, std::size_t max_units) {
  return ui::Wide(tonquil::CutForTray(ui::FromWide(text), max_units));
}

template <size_t N>
void CopyInto(wchar_t (&field)[N], const std::wstring& text) {
  const size_t count = text.size() < N - 1 ? text.size() : N - 1;
  text.copy(field, count);
  field[count] = L'\0';
}

}  // namespace

TTrayIcon::TTrayIcon()
    : taskbar_created_(RegisterWindowMessageW(L"TaskbarCreated")),
      icon_(static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), L"MAINICON", IMAGE_ICON,
                                          GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0))) {}

TTrayIcon::~TTrayIcon() {
  SetVisible(false);
  if (icon_ != nullptr) DestroyIcon(icon_);
}

NOTIFYICONDATAW TTrayIcon::IconData(UINT flags) const {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = handle();
  data.uID = kIconId;
  data.uFlags = flags;
  data.uCallbackMessage = kCallbackMessage;
  data.hIcon = icon_;
  CopyInto(data.szTip, tip_);
  return data;
}

void TTrayIcon::SetTip(const std::wstring& tip) {
  tip_ = Cut(tip, tonquil::kTipMax);
  if (!visible_) return;
  NOTIFYICONDATAW data = IconData(NIF_TIP);
  Shell_NotifyIconW(NIM_MODIFY, &data);
}

bool TTrayIcon::SetVisible(bool visible) {
  if (visible == visible_) return true;
  // The icon's messages and the shell's broadcasts come to a hidden top-level window,
  // made when the icon is first shown: a window costs start-up time, and an icon never
  // shown needs none.
  if (visible && handle() == nullptr) {
    CreateTopLevel({L"TTrayIconWindow", WS_POPUP, WS_EX_TOOLWINDOW, 0, 0}, nullptr);
    // A copy started as administrator would not hear the shell, which runs with
    // fewer rights, announce a new task bar.
    ChangeWindowMessageFilterEx(handle(), taskbar_created_, MSGFLT_ALLOW, nullptr);
  }
  bool done = true;
  if (visible) {
    done = Add();
  } else {
    NOTIFYICONDATAW data = IconData(0);
    done = Shell_NotifyIconW(NIM_DELETE, &data) != FALSE;
  }
  // An icon the shell lost is gone all the same.
  visible_ = visible && done;
  return done || !visible;
}

// Adds the icon and asks for the notifications of version 4, which tell keyboard use
// apart; a shell that refuses them keeps the old layout, which is read as such.
bool TTrayIcon::Add() {
  NOTIFYICONDATAW data = IconData(NIF_ICON | NIF_TIP | NIF_MESSAGE);
  if (Shell_NotifyIconW(NIM_ADD, &data) == FALSE) return false;
  data.uVersion = NOTIFYICON_VERSION_4;
  version_ = Shell_NotifyIconW(NIM_SETVERSION, &data) != FALSE ? NOTIFYICON_VERSION_4 : 0;
  return true;
}

void TTrayIcon::ReturnFocus() {
  if (!visible_) return;
  NOTIFYICONDATAW data = IconData(0);
  Shell_NotifyIconW(NIM_SETFOCUS, &data);
}

void TTrayIcon::SetBalloon(const std::wstring& title, const std::wstring& text) {
  balloon_title_ = Cut(title, tonquil::kBalloonTitleMax);
  balloon_text_ = Cut(text, tonquil::kBalloonTextMax);
}

void TTrayIcon::ShowBalloon() {
  if (!visible_) return;
  NOTIFYICONDATAW data = IconData(NIF_INFO);
  CopyInto(data.szInfoTitle, balloon_title_);
  CopyInto(data.szInfo, balloon_text_);
  data.uTimeout = kBalloonTimeoutMs;
  data.dwInfoFlags = NIIF_INFO;
  Shell_NotifyIconW(NIM_MODIFY, &data);
}

LRESULT TTrayIcon::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == kCallbackMessage) {
    // Notifications still queued for an icon that was taken away (a second keyboard
    // select after the first brought the window back) ask nothing any more.
    if (visible_ && on_request_) on_request_(tonquil::DecodeTrayNotification(version_, wparam, lparam));
    return 0;
  }
  if (message == taskbar_created_ && visible_) {
    if (!Add()) {
      visible_ = false;
      if (on_request_) on_request_({tonquil::TrayAction::IconLost});
    }
    return 0;
  }
  // Another program's close request (a task manager's, a script's): the window goes
  // with the icon's owner and not before, as the icon leads back to the main window.
  if (message == WM_CLOSE) return 0;
  return Window::HandleMessage(message, wparam, lparam);
}
