#include "app/tray_text.h"

#include <gtest/gtest.h>

namespace tonquil {
namespace {

TEST(TrayText, CutsAtTheLimitAndKeepsShorterTexts) {
  const std::u16string title(70, u'あ');
  EXPECT_EQ(CutForTray(title, kBalloonTitleMax), std::u16string(63, u'あ'));
  EXPECT_EQ(CutForTray(u"Title : abc", kBalloonTextMax), u"Title : abc");
  EXPECT_EQ(CutForTray(std::u16string(255, u'x'), kBalloonTextMax).size(), 255u);
}

TEST(TrayText, NeverLeavesHalfASurrogatePair) {
  std::u16string text(62, u'a');
  text += u"\U0001F3B5";  // units 63 and 64
  EXPECT_EQ(CutForTray(text, kBalloonTitleMax), std::u16string(62, u'a'));
}

}  // namespace
}  // namespace tonquil
