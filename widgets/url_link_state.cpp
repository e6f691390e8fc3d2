#include "widgets/url_link_state.h"

namespace tonquil {

std::u16string LinkTarget(TURLtype type, const std::u16string& link) {
  return type == tpMAIL ? u"mailto:" + link : link;
}

HintPlace PlaceHint(std::int32_t cursor_x, std::int32_t cursor_y, std::int32_t text_width,
                    std::int32_t text_height, std::int32_t offset_x, std::int32_t offset_y) {
  // The text sits at (2, 2); the rest of the margin is right of and below it.
  constexpr std::int32_t kExtraWidth = 6;
  constexpr std::int32_t kExtraHeight = 3;
  return {cursor_x + offset_x, cursor_y + offset_y, text_width + kExtraWidth, text_height + kExtraHeight};
}

void UrlLinkState::MouseEnter() {
  saved_font_color_ = font_color_;
  font_color_ = link_color_;
}

bool UrlLinkState::MouseLeave() {
  font_color_ = saved_font_color_;
  return TakeDownHint();
}

bool UrlLinkState::MouseMove() {
  if (!enable_show_hint_ || hint_shown_) return false;
  hint_shown_ = true;
  return true;
}

UrlLinkState::Click UrlLinkState::LeftButtonDown() {
  return {LinkTarget(url_type_, link_), TakeDownHint()};
}

bool UrlLinkState::TakeDownHint() {
  const bool was_shown = hint_shown_;
  hint_shown_ = false;
  return was_shown;
}

}  // namespace tonquil
