#include "app/tray_event.h"

namespace tonquil {
namespace {

// A signed 16-bit word, as GET_X_LPARAM reads one: screen places left of or above the
// primary monitor are negative.
int SignedWord(std::uint64_t value, int shift) {
  return static_cast<std::int16_t>(static_cast<std::uint16_t>((value >> shift) & 0xFFFF));
}

}  // namespace

TrayRequest DecodeTrayNotification(int version, std::uint64_t wparam, std::int64_t lparam) {
  const auto low = static_cast<std::uint32_t>(static_cast<std::uint64_t>(lparam) & 0xFFFF);
  if (version < 4) {
    // A single click does nothing; the right button opens the menu when released.
    const auto message = static_cast<std::uint32_t>(static_cast<std::uint64_t>(lparam) & 0xFFFFFFFF);
    if (message == kTrayLeftDouble) return {TrayAction::ShowOrHide};
    if (message == kTrayRightUp) return {TrayAction::MenuAtCursor};
    return {};
  }
  switch (low) {
    case kTrayLeftDouble:
    case kTrayKeySelect:  // Enter or Space on the focused icon
      return {TrayAction::ShowOrHide};
    case kTrayContextMenu:  // the right button released, Shift+F10 or the menu key
      return {TrayAction::MenuAtAnchor, SignedWord(wparam, 0), SignedWord(wparam, 16)};
    default:
      // kTraySelect is a single click, which does nothing; kTrayRightUp comes before
      // the context-menu event, which opens the menu.
      return {};
  }
}

}  // namespace tonquil
