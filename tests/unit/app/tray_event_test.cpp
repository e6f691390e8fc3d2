#include "app/tray_event.h"

#include <gtest/gtest.h>

namespace tonquil {
namespace {

constexpr std::uint64_t kIconId = 1;

std::int64_t Version4Event(std::uint32_t event) { return static_cast<std::int64_t>((kIconId << 16) | event); }
std::uint64_t Place(int x, int y) {
  return (static_cast<std::uint64_t>(static_cast<std::uint16_t>(y)) << 16) | static_cast<std::uint16_t>(x);
}

TEST(TrayEvent, OldLayoutDoubleClickShowsAndRightButtonOpensTheMenuAtTheCursor) {
  EXPECT_EQ(DecodeTrayNotification(0, kIconId, kTrayLeftDouble).action, TrayAction::ShowOrHide);
  EXPECT_EQ(DecodeTrayNotification(0, kIconId, kTrayRightUp).action, TrayAction::MenuAtCursor);
  EXPECT_EQ(DecodeTrayNotification(0, kIconId, 0x0202).action, TrayAction::None) << "single click";
  EXPECT_EQ(DecodeTrayNotification(0, kIconId, 0x0200).action, TrayAction::None) << "mouse move";
}

TEST(TrayEvent, OldLayoutIgnoresAnIconIdInTheHighWord) {
  // The old layout has the whole lParam as the message: an id there is no double-click.
  EXPECT_EQ(DecodeTrayNotification(0, 0, Version4Event(kTrayLeftDouble)).action, TrayAction::None);
}

TEST(TrayEvent, Version4KeyboardSelectShowsAndAMouseSelectDoesNothing) {
  EXPECT_EQ(DecodeTrayNotification(4, Place(900, 750), Version4Event(kTrayKeySelect)).action,
            TrayAction::ShowOrHide);
  EXPECT_EQ(DecodeTrayNotification(4, Place(900, 750), Version4Event(kTrayLeftDouble)).action,
            TrayAction::ShowOrHide);
  EXPECT_EQ(DecodeTrayNotification(4, Place(900, 750), Version4Event(kTraySelect)).action, TrayAction::None);
}

TEST(TrayEvent, Version4ContextMenuOpensAtTheGivenPlaceAndRightButtonUpAloneDoesNot) {
  const TrayRequest menu = DecodeTrayNotification(4, Place(1000, 740), Version4Event(kTrayContextMenu));
  EXPECT_EQ(menu.action, TrayAction::MenuAtAnchor);
  EXPECT_EQ(menu.x, 1000);
  EXPECT_EQ(menu.y, 740);
  EXPECT_EQ(DecodeTrayNotification(4, Place(1000, 740), Version4Event(kTrayRightUp)).action, TrayAction::None);
}

TEST(TrayEvent, Version4PlacesLeftOfOrAboveThePrimaryMonitorAreNegative) {
  const TrayRequest menu = DecodeTrayNotification(4, Place(-1500, -20), Version4Event(kTrayContextMenu));
  EXPECT_EQ(menu.x, -1500);
  EXPECT_EQ(menu.y, -20);
}

}  // namespace
}  // namespace tonquil
