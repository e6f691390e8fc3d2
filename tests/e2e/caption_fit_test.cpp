// Every caption of both windows fits its control when drawn in the control's own font,
// which is Tahoma 8 pt with the Japanese glyphs from the Gothic that Tahoma is linked to,
// as on a Japanese Windows. Measured inside the program, since a font handle means
// nothing in another process.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "harness/captions.h"
#include "harness/options_dialog.h"
#include "harness/tonquil_test.h"

namespace tonquil::e2e {
namespace {

// Captions that do not fit the width their controls are given, kept at that width since
// the width is the window's layout and not this test's to change. Any other caption that
// runs over, or one of these that runs over further, fails the test.
const std::vector<KnownClipping> kClippedAtTheirWidth = {
    // The options dialog's "COMポート" label is 51 pixels wide and its caption 52: the label
    // wraps the last character away and shows "COMポー".
    {"TTNQL_OPTION", "COMポート", 1},
};

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += "\n  " + line;
  return text;
}

class CaptionFit : public TonquilTest {
 protected:
  // Measures the window's captions, checks that every one of `expected` is among them
  // (so that a probe that measures nothing cannot pass) and that all are measured in
  // the window's Tahoma of 8 points, then checks the fit.
  void ExpectEveryCaptionFits(const std::string& window_class, const std::vector<std::string>& expected) {
    const std::vector<MeasuredCaption> captions = MeasureCaptions(driver_, window_class);
    for (const std::string& text : expected) {
      EXPECT_TRUE(std::any_of(captions.begin(), captions.end(),
                              [&](const MeasuredCaption& caption) { return caption.text == text; }))
          << "no caption \"" << text << "\" measured in " << window_class;
    }
    for (const MeasuredCaption& caption : captions) {
      SCOPED_TRACE(caption.text);
      EXPECT_EQ(caption.face, "Tahoma");
      EXPECT_EQ(caption.font_height, -(11 * caption.dpi + 48) / 96) << "8 points at " << caption.dpi << " DPI";
      EXPECT_GT(caption.extent, 0);
    }
    const std::vector<std::string> clipped = CaptionsThatDoNotFit(captions, kClippedAtTheirWidth);
    EXPECT_TRUE(clipped.empty()) << "captions that do not fit:" << Joined(clipped);
  }
};

TEST_F(CaptionFit, EveryCaptionOfTheMainWindowFits) {
  StartTonquil();
  ExpectEveryCaptionFits(kMainClass, {"Open", "設定", "Close", "Control", "File", "Tag", "|<", "Play/Stop", ">|",
                                      "Dir-", "Dir+", "Pause", "Speed", "Loop", "Repeat", "Reset", "Stopped", "1x",
                                      "1", "None", "Title", "Artist", "Game", "Year", "Genre", "Comment",
                                      "Copyright", "S98By", "System"});
}

TEST_F(CaptionFit, EveryCaptionOfTheOptionsDialogAndItsAboutPanelFits) {
  StartTonquil();
  OpenOptionsDialog(driver_);
  ExpectEveryCaptionFits(kOptionClass, {"COMポート", "自動判定", "タスクトレイアイコンを使用しない",
                                        "バルーンを使用しない",
                                        "Liveメッセンジャーへ再生曲情報を送信する (要再起動)", "閉じる",
                                        "Tonquil 110529", "Tonquil Project", "http://www.tonquil.example/",
                                        "info@tonquil.example"});
  const std::vector<MeasuredCaption> captions = MeasureCaptions(driver_, kOptionClass);
  const auto title = std::find_if(captions.begin(), captions.end(),
                                  [](const MeasuredCaption& caption) { return caption.text == "Tonquil 110529"; });
  ASSERT_NE(title, captions.end());
  EXPECT_EQ(title->font_weight, 700) << "the title is measured in its own bold font";
  CloseOptionsDialog(driver_);
}

}  // namespace
}  // namespace tonquil::e2e
