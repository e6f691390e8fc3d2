#pragma once
// Captions measured in their controls' own fonts inside the program (the driver's captions
// command), and the check that each fits the room its control gives it. Any test may call
// it, at any display DPI: the room, the fonts and the allowances scale together.
#include <string>
#include <vector>

#include "driver.h"

namespace tonquil::e2e {

struct MeasuredCaption {
  std::string window_class;
  std::string kind;  // "label", "button", "check", "radio" or "group"
  std::string text;
  std::string face;  // the face the control's font selected
  int room = 0;      // the control's width, less a check box's glyph and gap
  int extent = 0;    // the caption's width on one line in the control's font
  int font_height = 0;
  int font_weight = 0;
  int dpi = 96;
  int Overflow() const { return extent - room; }  // > 0: that many pixels are clipped
};

std::vector<MeasuredCaption> MeasureCaptions(Driver& driver, const std::string& window_class);

// A caption that does not fit the width it was given, kept at that width on purpose.
struct KnownClipping {
  const char* window_class;
  const char* text;
  int pixels_at_96_dpi;  // how far it runs over at 96 DPI; scaled up with the DPI
};

// One line for each caption that runs over its room by more than the list allows it (a
// caption not in the list by any pixel); empty when every caption fits.
std::vector<std::string> CaptionsThatDoNotFit(const std::vector<MeasuredCaption>& captions,
                                              const std::vector<KnownClipping>& known);

}  // namespace tonquil::e2e
