// The two link labels of the options dialog's about panel under the real pointer: the
// pointer is moved with xdotool on the Xvfb display and the colours are read back from
// the screen, since another process cannot ask a label for the colour it paints in.
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "harness/options_dialog.h"
#include "harness/tonquil_test.h"
#include "harness/wait_until.h"

namespace tonquil::e2e {
namespace {

constexpr milliseconds kCommandTimeout{10000};
constexpr milliseconds kPaintTimeout{5000};
constexpr int kClientWidth = 529;
constexpr int kClientHeight = 161;

struct Colours {
  int white = 0;  // the labels' own text colour
  int red = 0;    // the link colour while hovered
};

struct Point {
  int x;
  int y;
};

// The header of a binary PPM ("P6", width, height, maximum value, one white-space
// byte); the offset of the first pixel, or 0 when it is not one of 8-bit samples.
size_t PixelOffset(const std::string& image) {
  std::vector<std::string> fields;
  size_t offset = 0;
  while (fields.size() < 4 && offset < image.size()) {
    while (offset < image.size() && std::isspace(static_cast<unsigned char>(image[offset]))) ++offset;
    const size_t start = offset;
    while (offset < image.size() && !std::isspace(static_cast<unsigned char>(image[offset]))) ++offset;
    fields.push_back(image.substr(start, offset - start));
  }
  if (fields.size() != 4 || fields[0] != "P6" || fields[3] != "255") return 0;
  return offset + 1;
}

// The count of white and red pixels in a rectangle of the screen.
Colours ColoursOnScreen(const TempDir& folder, const Rect& area) {
  const std::string shot = folder.File("area.ppm");
  const std::string geometry = std::to_string(area.width) + "x" + std::to_string(area.height) + "+" +
                               std::to_string(area.x) + "+" + std::to_string(area.y);
  const CommandResult grab =
      RunCaptured({"import", "-window", "root", "-crop", geometry, "-depth", "8", "ppm:" + shot}, kCommandTimeout);
  if (grab.exit_code != 0) throw std::runtime_error("import failed: " + grab.err);
  const std::string image = ReadWholeFile(shot);
  const size_t offset = PixelOffset(image);
  const size_t pixels = static_cast<size_t>(area.width) * static_cast<size_t>(area.height);
  if (offset == 0 || image.size() != offset + 3 * pixels) throw std::runtime_error("not an 8-bit PPM of the area");
  Colours colours;
  for (size_t i = offset; i < image.size(); i += 3) {
    const auto r = static_cast<unsigned char>(image[i]);
    const auto g = static_cast<unsigned char>(image[i + 1]);
    const auto b = static_cast<unsigned char>(image[i + 2]);
    if (r > 200 && g > 200 && b > 200) ++colours.white;
    if (r > 200 && g < 90 && b < 90) ++colours.red;
  }
  return colours;
}

void MovePointer(Point at) {
  const CommandResult moved =
      RunCaptured({"xdotool", "mousemove", std::to_string(at.x), std::to_string(at.y)}, kCommandTimeout);
  if (moved.exit_code != 0) throw std::runtime_error("xdotool failed: " + moved.err);
}

struct Link {
  const char* name;
  int x, y;  // in the dialog's client area
  const char* other;
};

const std::vector<Link> kLinks = {{"L_URL01", 312, 72, "L_URL02"}, {"L_URL02", 312, 88, "L_URL01"}};

class AboutLinks : public TonquilTest {
 protected:
  void SetUp() override {
    StartTonquil();
    dialog_ = OpenOptionsDialog(driver_);
    // A fixed single border: as wide on every side, the caption above.
    const Rect frame = dialog_.window.RectOf("rect");
    const int border = (frame.width - kClientWidth) / 2;
    client_origin_ = {frame.x + border, frame.y + frame.height - kClientHeight - border};
    MovePointer(ScreenPoint(200, 10));  // over the dialog, away from the links
  }

  Point ScreenPoint(int x, int y) const { return {client_origin_.x + x, client_origin_.y + y}; }
  Rect LabelOnScreen(const std::string& name) const {
    const Link& link = LinkNamed(name);
    const Rect local = dialog_.At("label", link.x, link.y).RectOf("rect");
    const Point corner = ScreenPoint(local.x, local.y);
    return {corner.x, corner.y, local.width, local.height};
  }
  static const Link& LinkNamed(const std::string& name) {
    for (const Link& link : kLinks) {
      if (name == link.name) return link;
    }
    throw std::runtime_error("no link " + name);
  }
  Colours ColoursOf(const std::string& name) { return ColoursOnScreen(folder_, LabelOnScreen(name)); }
  bool WaitPainted(const std::string& name, bool hovered) {
    return WaitUntil(
        [&] {
          const Colours colours = ColoursOf(name);
          return hovered ? colours.red > 0 && colours.white == 0 : colours.white > 0 && colours.red == 0;
        },
        kPaintTimeout, milliseconds(100));
  }
  int VisibleHintWindows() {
    int count = 0;
    for (const Record& window : driver_.Run({"windows"})) {
      if (window.Text("class") == "TURLLinkHint" && window.Flag("visible")) ++count;
    }
    return count;
  }

  WindowDump dialog_;
  Point client_origin_{0, 0};
};

TEST_F(AboutLinks, CaptionsAreTheMakersWebAndMailAddresses) {
  const std::string web = dialog_.At("label", 312, 72).Text("text");
  const std::string mail = dialog_.At("label", 312, 88).Text("text");
  EXPECT_EQ(web.rfind("http://", 0), 0u) << web;
  EXPECT_NE(mail.find('@'), std::string::npos) << mail;
  EXPECT_EQ(mail.find("mailto:"), std::string::npos) << "the caption is the address alone: " << mail;
  for (const Link& link : kLinks) {
    EXPECT_TRUE(WaitPainted(link.name, false)) << link.name << " is white";
  }
  CloseOptionsDialog(driver_);
  EXPECT_EQ(CloseTonquil(), 0);
}

class AboutLinkHover : public AboutLinks, public ::testing::WithParamInterface<Link> {};

TEST_P(AboutLinkHover, TurnsRedWhileThePointerIsOverItAndShowsNoHint) {
  const Link& link = GetParam();
  ASSERT_TRUE(WaitPainted(link.name, false));
  const Rect label = LabelOnScreen(link.name);
  MovePointer({label.x + 3, label.y + label.height / 2});
  EXPECT_TRUE(WaitPainted(link.name, true)) << "red while hovered";
  EXPECT_TRUE(WaitPainted(link.other, false)) << "the other link stays white";
  // More moves over the label: the first of them would show the hint if it were on.
  MovePointer({label.x + 10, label.y + label.height / 2});
  MovePointer({label.x + 20, label.y + label.height / 2});
  EXPECT_TRUE(WaitPainted(link.name, true));
  EXPECT_EQ(VisibleHintWindows(), 0);

  MovePointer(ScreenPoint(200, 10));
  EXPECT_TRUE(WaitPainted(link.name, false)) << "white again after the pointer left";
  EXPECT_EQ(VisibleHintWindows(), 0);
  CloseOptionsDialog(driver_);
  EXPECT_EQ(CloseTonquil(), 0);
}

INSTANTIATE_TEST_SUITE_P(Links, AboutLinkHover, ::testing::ValuesIn(kLinks),
                         [](const ::testing::TestParamInfo<Link>& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace tonquil::e2e
