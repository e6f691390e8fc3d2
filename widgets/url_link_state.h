#pragma once
// What the hyperlink label does with the mouse, apart from drawing: the colour of its
// text, whether its hint is up, where the hint goes, and what a click opens.
#include <cstdint>
#include <string>

namespace tonquil {

enum TURLtype { tpURL = 0, tpMAIL = 1 };

// 0x00BBGGRR, or a system colour: kSystemColourFlag with the system's colour index.
using Colour = std::uint32_t;
constexpr Colour kSystemColourFlag = 0x80000000u;
constexpr Colour SystemColour(std::uint8_t index) { return kSystemColourFlag | index; }
constexpr std::uint8_t kTooltipBackgroundIndex = 24;  // the platform's COLOR_INFOBK
constexpr Colour kPureRed = 0x000000FFu;
constexpr Colour kPureBlue = 0x00FF0000u;

// What a click asks the shell to open: a mail link gets "mailto:" in front even when
// it already has it.
std::u16string LinkTarget(TURLtype type, const std::u16string& link);

// The hint window's place and size in screen pixels.
struct HintPlace {
  std::int32_t left;
  std::int32_t top;
  std::int32_t width;
  std::int32_t height;
};
// Beside the cursor by the offsets, sized to the text with a margin round it.
HintPlace PlaceHint(std::int32_t cursor_x, std::int32_t cursor_y, std::int32_t text_width,
                    std::int32_t text_height, std::int32_t offset_x, std::int32_t offset_y);

// The label's link properties and its reaction to the mouse. Setters give true when
// the value changed, which is when the label repaints.
class UrlLinkState {
 public:
  TURLtype URLType() const { return url_type_; }
  bool SetURLtype(TURLtype type) { return Store(url_type_, type); }
  const std::u16string& Link() const { return link_; }
  bool SetLink(const std::u16string& link) { return Store(link_, link); }
  Colour LinkColor() const { return link_color_; }
  bool SetLinkColor(Colour colour) { return Store(link_color_, colour); }
  Colour HintFormColor() const { return hint_form_color_; }
  bool SetHintFormColor(Colour colour) { return Store(hint_form_color_, colour); }
  std::int32_t HintOffsetX() const { return hint_offset_x_; }
  bool SetHintOffsetX(std::int32_t offset) { return Store(hint_offset_x_, offset); }
  std::int32_t HintOffsetY() const { return hint_offset_y_; }
  bool SetHintOffsetY(std::int32_t offset) { return Store(hint_offset_y_, offset); }
  bool EnableShowHint() const { return enable_show_hint_; }
  bool SetEnableShowHint(bool enable) { return Store(enable_show_hint_, enable); }

  // The colour the label's text is painted in right now.
  Colour FontColor() const { return font_color_; }
  void SetFontColor(Colour colour) { font_color_ = colour; }
  bool HintShown() const { return hint_shown_; }

  // Keeps the text colour to come back to and switches to the link colour.
  void MouseEnter();
  // Back to the colour kept at entering; true when the hint must be hidden.
  bool MouseLeave();
  // True when the hint must be shown now: only the first move after it was hidden.
  bool MouseMove();

  struct Click {
    std::u16string target;
    bool hide_hint;
  };
  Click LeftButtonDown();

 private:
  template <class T>
  static bool Store(T& field, const T& value) {
    if (field == value) return false;
    field = value;
    return true;
  }
  bool TakeDownHint();

  TURLtype url_type_ = tpURL;
  std::u16string link_ = u"http://";
  Colour link_color_ = kPureRed;
  Colour hint_form_color_ = SystemColour(kTooltipBackgroundIndex);
  std::int32_t hint_offset_x_ = 15;
  std::int32_t hint_offset_y_ = 15;
  bool enable_show_hint_ = true;
  Colour font_color_ = kPureBlue;
  Colour saved_font_color_ = kPureBlue;
  bool hint_shown_ = false;
};

}  // namespace tonquil
