#include "ui/win32/popup_menu.h"

namespace ui {

UINT PopupMenu::TrackAt(HWND owner, POINT at) const {
  // The owner must be in front, or the menu does not close when the user clicks
  // elsewhere; the posted message lets it close at once after a choice.
  SetForegroundWindow(owner);
  const UINT chosen = static_cast<UINT>(
      TrackPopupMenu(menu_, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0, owner, nullptr));
  PostMessageW(owner, WM_NULL, 0, 0);
  return chosen;
}

}  // namespace ui
