// The media keys: taken as hot keys while a port is open and the option is on, and each
// press run as the button it stands for.
#include "app/win32/main_window.h"
#include "text/win32/wide.h"

namespace {

// Bit 30 of a key message: the key was down before this message.
bool IsRepeat(LPARAM lparam) { return (lparam & (1 << 30)) != 0; }

}  // namespace

void TTNQL_MAIN::UpdateMediaKeys() {
  const bool switched_on = TNQL_OPTION != nullptr && TNQL_OPTION->C_MediaKeys.IsChecked();
  const bool wanted = switched_on && link_.HoldsPort();
  media_keys_.Update(wanted);
  if (media_session_) media_session_->SetButtonsEnabled(wanted);
}

void TTNQL_MAIN::MediaKeyPressed(tonquil::MediaKey key) {
  const std::optional<tonquil::ButtonAction> action = tonquil::ActionOf(key, ui::FromWide(L_Pause.Text()));
  if (action) exchange_.Run(*action);
}

// A held key arrives as WM_HOTKEY, wherever the focus is. A key that another program
// held when ours were taken reaches this window only while it is active, and each press
// is taken from exactly one message:
// - a control or the window itself has the focus: WM_APPCOMMAND. Windows makes it out
//   of the key's WM_KEYDOWN in the default handling and passes it up to this window;
//   Wine sends it just before the WM_KEYDOWN. So the WM_KEYDOWN itself is left alone,
//   or one press would act twice under Wine.
// - nothing has the focus (the focused button was disabled, as Open is once clicked):
//   the window gets the key as WM_SYSKEYDOWN, and no WM_APPCOMMAND is made of it.
bool TTNQL_MAIN::HandleMediaKeyMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  std::optional<tonquil::MediaKey> key;
  bool acts = false;
  switch (message) {
    case WM_HOTKEY:
      key = Win32HotKeys::KeyOfHotKey(wparam);
      acts = key && media_keys_.ActsOnHotKey(*key);
      result = 0;
      break;
    case WM_APPCOMMAND:
      key = Win32HotKeys::KeyOfAppCommand(lparam);
      acts = key && media_keys_.ActsOnWindowKey(*key);
      if (!acts) return false;  // the default handling passes it on to the shell
      result = TRUE;
      break;
    case WM_SYSKEYDOWN:
      key = Win32HotKeys::KeyOfVirtualKey(wparam);
      if (!key || !media_keys_.ActsOnWindowKey(*key)) return false;
      acts = !IsRepeat(lparam);  // held down, the key acts once
      result = 0;
      break;
    default:
      return false;
  }
  if (acts) MediaKeyPressed(*key);
  return true;
}
