#include "widgets/url_link_state.h"

#include <gtest/gtest.h>

#include <string>

namespace tonquil {
namespace {

constexpr Colour kWhite = 0x00FFFFFFu;
constexpr Colour kGreen = 0x0000FF00u;

TEST(LinkTarget, MailLinksGetTheMailtoPrefixWebLinksStayAsTheyAre) {
  struct Case {
    TURLtype type;
    std::u16string link;
    std::u16string target;
  };
  const Case cases[] = {
      {tpURL, u"http://www.example.com/", u"http://www.example.com/"},
      {tpURL, u"mailto:me@example.com", u"mailto:me@example.com"},
      {tpMAIL, u"me@example.com", u"mailto:me@example.com"},
      {tpMAIL, u"mailto:me@example.com", u"mailto:mailto:me@example.com"},
      {tpURL, u"", u""},
      {tpMAIL, u"", u"mailto:"},
  };
  for (const Case& c : cases) EXPECT_EQ(LinkTarget(c.type, c.link), c.target);
}

TEST(PlaceHint, SitsBesideTheCursorSizedToTheTextWithItsMargin) {
  const HintPlace place = PlaceHint(100, 200, 80, 13, 15, 15);
  EXPECT_EQ(place.left, 115);
  EXPECT_EQ(place.top, 215);
  EXPECT_EQ(place.width, 86);
  EXPECT_EQ(place.height, 16);
  const HintPlace negative = PlaceHint(10, 10, 0, 0, -20, 5);
  EXPECT_EQ(negative.left, -10);
  EXPECT_EQ(negative.top, 15);
}

// A setter's answer decides whether the label repaints: only a different value counts.
TEST(UrlLinkState, SettersReportOnlyRealChanges) {
  UrlLinkState state;
  EXPECT_TRUE(state.SetLink(u"http://a.example/"));
  EXPECT_FALSE(state.SetLink(u"http://a.example/"));
  EXPECT_TRUE(state.SetLink(u"HTTP://A.EXAMPLE/")) << "links compare exactly, case included";
  EXPECT_EQ(state.Link(), u"HTTP://A.EXAMPLE/");
  EXPECT_TRUE(state.SetLinkColor(kGreen));
  EXPECT_FALSE(state.SetLinkColor(kGreen));
  EXPECT_TRUE(state.SetLinkColor(kWhite));
  EXPECT_EQ(state.LinkColor(), kWhite);
}

class HoverTest : public ::testing::Test {
 protected:
  HoverTest() { state.SetFontColor(kWhite); }
  UrlLinkState state;
};

TEST_F(HoverTest, EnteringHighlightsAndLeavingRestores) {
  state.MouseEnter();
  EXPECT_EQ(state.FontColor(), kPureRed);
  EXPECT_FALSE(state.MouseLeave()) << "no hint was up";
  EXPECT_EQ(state.FontColor(), kWhite);
}

TEST_F(HoverTest, LeavingRestoresTheColourOfEnteringEvenAfterCodeChangedIt) {
  state.MouseEnter();
  state.SetFontColor(kGreen);
  state.MouseLeave();
  EXPECT_EQ(state.FontColor(), kWhite);
}

TEST_F(HoverTest, OnlyTheFirstMoveShowsTheHint) {
  state.MouseEnter();
  EXPECT_TRUE(state.MouseMove());
  EXPECT_TRUE(state.HintShown());
  EXPECT_FALSE(state.MouseMove()) << "the hint does not follow the cursor";
  EXPECT_TRUE(state.MouseLeave());
  EXPECT_FALSE(state.HintShown());
  state.MouseEnter();
  EXPECT_TRUE(state.MouseMove()) << "shown again on the next visit";
}

TEST_F(HoverTest, ADisabledHintNeverShows) {
  state.SetEnableShowHint(false);
  state.MouseEnter();
  EXPECT_FALSE(state.MouseMove());
  EXPECT_FALSE(state.HintShown());
  EXPECT_EQ(state.FontColor(), kPureRed) << "the highlight does not depend on the hint";
}

TEST_F(HoverTest, ALeftClickOpensTheTargetHidesTheHintAndKeepsTheHighlight) {
  state.SetLink(u"me@example.com");
  state.SetURLtype(tpMAIL);
  state.MouseEnter();
  state.MouseMove();
  const UrlLinkState::Click click = state.LeftButtonDown();
  EXPECT_EQ(click.target, u"mailto:me@example.com");
  EXPECT_TRUE(click.hide_hint);
  EXPECT_FALSE(state.HintShown());
  EXPECT_EQ(state.FontColor(), kPureRed);
  EXPECT_FALSE(state.LeftButtonDown().hide_hint) << "nothing left to hide";
  EXPECT_TRUE(state.MouseMove()) << "the next move brings the hint back";
}

}  // namespace
}  // namespace tonquil
