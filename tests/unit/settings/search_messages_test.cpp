#include "settings/search_messages.h"

#include <gtest/gtest.h>

namespace tonquil {
namespace {

TEST(SearchMessages, BoxesReadAsTheUserSeesThem) {
  EXPECT_EQ(kSearchQuestion.title, u"確認");
  EXPECT_EQ(kSearchQuestion.text.find(u"COM1\uFF5ECOM50"), 0u) << "full-width tilde between the port numbers";
  EXPECT_EQ(kSearchQuestion.text.back(), u'?') << "ASCII question mark";
  EXPECT_EQ(kSearchQuestion.kind, PromptKind::kAskYesNoDefaultNo);
  EXPECT_EQ(FoundText(u"COM3"), u"COM3でZ.O.R.V.Aが見つかりました");
  EXPECT_EQ(kSearchFound.title, u"検索結果");
  EXPECT_EQ(kSearchFound.kind, PromptKind::kInformation);
  EXPECT_EQ(kSearchNotFound.title, u"検索結果");
  EXPECT_EQ(kSearchNotFound.text, u"Z.O.R.V.Aが見つかりませんでした");
  EXPECT_EQ(kSearchNotFound.kind, PromptKind::kError);
}

}  // namespace
}  // namespace tonquil
