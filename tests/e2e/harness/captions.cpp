#include "captions.h"

namespace tonquil::e2e {
namespace {

int Allowance(const MeasuredCaption& caption, const std::vector<KnownClipping>& known) {
  for (const KnownClipping& clipping : known) {
    if (caption.window_class == clipping.window_class && caption.text == clipping.text) {
      return (clipping.pixels_at_96_dpi * caption.dpi + 95) / 96;
    }
  }
  return 0;
}

}  // namespace

std::vector<MeasuredCaption> MeasureCaptions(Driver& driver, const std::string& window_class) {
  std::vector<MeasuredCaption> captions;
  for (const Record& record : driver.Run({"captions", window_class})) {
    if (record.kind() != "caption") continue;
    MeasuredCaption caption;
    caption.window_class = window_class;
    caption.kind = record.Text("kind");
    caption.text = record.Text("text");
    caption.face = record.Text("face");
    caption.room = static_cast<int>(record.Number("room"));
    caption.extent = static_cast<int>(record.Number("extent"));
    caption.font_height = static_cast<int>(record.Number("height"));
    caption.font_weight = static_cast<int>(record.Number("weight"));
    caption.dpi = static_cast<int>(record.Number("dpi"));
    captions.push_back(caption);
  }
  return captions;
}

std::vector<std::string> CaptionsThatDoNotFit(const std::vector<MeasuredCaption>& captions,
                                              const std::vector<KnownClipping>& known) {
  std::vector<std::string> clipped;
  for (const MeasuredCaption& caption : captions) {
    const int allowed = Allowance(caption, known);
    if (caption.Overflow() <= allowed) continue;
    clipped.push_back(caption.window_class + " " + caption.kind + " \"" + caption.text + "\": " +
                      std::to_string(caption.extent) + " px in " + std::to_string(caption.room) + " px of room (" +
                      std::to_string(caption.Overflow()) + " px over, " + std::to_string(allowed) + " allowed) at " +
                      std::to_string(caption.dpi) + " DPI in " + caption.face);
  }
  return clipped;
}

}  // namespace tonquil::e2e
