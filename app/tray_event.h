#pragma once
// What a notification from the tray icon asks of the program. The shell reports in one
// of two layouts: the old one (the mouse message in lParam, the icon's id in wParam) or,
// once the icon has asked for version 4, the event in lParam's low word, the icon's id
// in its high word and the place of the icon or the cursor in wParam's two words.
#include <cstdint>

namespace tonquil {

// The shell's event codes, as Windows numbers them.
inline constexpr std::uint32_t kTrayContextMenu = 0x007B;   // WM_CONTEXTMENU
inline constexpr std::uint32_t kTrayLeftDouble = 0x0203;    // WM_LBUTTONDBLCLK
inline constexpr std::uint32_t kTrayRightUp = 0x0205;       // WM_RBUTTONUP
inline constexpr std::uint32_t kTraySelect = 0x0400;        // NIN_SELECT
inline constexpr std::uint32_t kTrayKeySelect = 0x0401;     // NIN_KEYSELECT

enum class TrayAction {
  None,
  ShowOrHide,    // what a double-click does
  MenuAtCursor,  // the menu where the mouse is
  MenuAtAnchor,  // the menu at the place the shell gave: the icon, for the keyboard
  IconLost,      // a new task bar would not take the icon back: it is gone
};

struct TrayRequest {
  TrayAction action = TrayAction::None;
  int x = 0;  // the anchor, for MenuAtAnchor
  int y = 0;
};

// `version` is the one the shell accepted for the icon (0 when it took none).
TrayRequest DecodeTrayNotification(int version, std::uint64_t wparam, std::int64_t lparam);

}  // namespace tonquil
