// Where the main window and the options dialog appear when the settings file puts them
// where no monitor shows them: a monitor unplugged, a laptop undocked, a resolution
// lowered. The window goes whole onto the nearest monitor's work area; a place that the
// monitor shows even in part is used exactly as stored. The exit then stores where the
// window really was.
#include <gtest/gtest.h>

#include <string>

#include "harness/options_dialog.h"
#include "harness/settings_texts.h"
#include "harness/tonquil_test.h"
#include "harness/utf16_file.h"

namespace tonquil::e2e {
namespace {

// The one monitor of the tests' Xvfb (scripts/wine-env.sh); with no task bar under it
// its work area is the whole screen.
constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;
// In an expectation: the place that puts the window's right or bottom edge on the
// screen's.
constexpr int kAgainstFarEdge = -99999;

struct StoredPlace {
  const char* name;
  int stored_x, stored_y;
  int x, y;  // where the window must appear
};

const StoredPlace kPlaces[] = {
    {"FarLeft", -3000, 120, 0, 120},
    {"FarRight", 5000, 130, kAgainstFarEdge, 130},
    {"Below", 140, 3000, 140, kAgainstFarEdge},
    {"PartlyOnScreen", 900, -200, 900, -200},  // last: the dialog is not checked here
};

void PrintTo(const StoredPlace& place, std::ostream* out) { *out << place.name; }

int Expected(int wanted, int screen_size, int window_size) {
  return wanted == kAgainstFarEdge ? screen_size - window_size : wanted;
}

void ExpectPlace(const Rect& rect, const StoredPlace& place) {
  EXPECT_EQ(rect.x, Expected(place.x, kScreenWidth, rect.width));
  EXPECT_EQ(rect.y, Expected(place.y, kScreenHeight, rect.height));
}

std::string XY(const Rect& rect) {
  return "X=" + std::to_string(rect.x) + "\r\nY=" + std::to_string(rect.y) + "\r\n";
}

class MainWindowPlace : public TonquilTest, public ::testing::WithParamInterface<StoredPlace> {};
// Wine itself pulls a modal dialog that is partly off the screen wholly onto it, so the
// dialog is checked at the places no monitor shows.
class OptionsDialogPlace : public TonquilTest, public ::testing::WithParamInterface<StoredPlace> {};

TEST_P(MainWindowPlace, IsShownWhereAMonitorShowsIt) {
  const StoredPlace& place = GetParam();
  app_.WriteIni(MainText(place.stored_x, place.stored_y));
  StartTonquil();
  const Rect shown = DumpMain().window.RectOf("rect");
  ExpectPlace(shown, place);
  EXPECT_EQ(CloseTonquil(), 0);
  const std::string text = Utf16FileText(app_.IniBytes());
  EXPECT_EQ(text.rfind("[Main]\r\n" + XY(shown) + "\r\n", 0), 0u) << text;
}

TEST_P(OptionsDialogPlace, IsShownWhereAMonitorShowsIt) {
  const StoredPlace& place = GetParam();
  app_.WriteIni(CrLfLines({"[Option]", "X=" + std::to_string(place.stored_x), "Y=" + std::to_string(place.stored_y)}));
  StartTonquil();
  const Rect shown = OpenOptionsDialog(driver_).window.RectOf("rect");
  ExpectPlace(shown, place);
  CloseOptionsDialog(driver_);
  EXPECT_EQ(CloseTonquil(), 0);
  const std::string text = Utf16FileText(app_.IniBytes());
  EXPECT_EQ(text.rfind("[Option]\r\n" + XY(shown) + "ComPort=COM1\r\n", 0), 0u) << text;
}

std::string NameOf(const ::testing::TestParamInfo<StoredPlace>& param) { return param.param.name; }

INSTANTIATE_TEST_SUITE_P(Places, MainWindowPlace, ::testing::ValuesIn(kPlaces), NameOf);
INSTANTIATE_TEST_SUITE_P(Places, OptionsDialogPlace, ::testing::ValuesIn(kPlaces, kPlaces + 3), NameOf);

}  // namespace
}  // namespace tonquil::e2e
