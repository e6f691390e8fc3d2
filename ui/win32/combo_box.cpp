#include "ui/win32/combo_box.h"

namespace ui {

namespace {
// Height of the list when dropped down; the closed box keeps the layout's height.
constexpr int kDroppedListHeight = 200;
}  // namespace

// The window height of a drop-down list includes its dropped list; the layout gives
// the closed height, so make room for the list and size the selection field to fit.
// The closed box is its item's height and a frame that the system draws at a size of
// its own: the item's height is guessed from the frame at 96 DPI and then put right by
// what the box measures.
void ComboBox::FitHeights() {
  const int closed_height = bounds().height;
  SetWindowPos(handle(), nullptr, 0, 0, bounds().width, closed_height + ScaleForDpi(kDroppedListHeight, dpi()),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  int item_height = closed_height - (GetSystemMetrics(SM_CYEDGE) * 2 + 2);
  SendMessageW(handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), item_height);
  RECT closed{};
  GetWindowRect(handle(), &closed);
  const int missing = closed_height - (closed.bottom - closed.top);
  if (missing != 0) SendMessageW(handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), item_height + missing);
}

void ComboBox::Place(Bounds bounds, HFONT font, int dpi) {
  Control::Place(bounds, font, dpi);
  FitHeights();
}

void ComboBox::AfterCreate() {
  FitHeights();
  for (const std::wstring& item : items_) {
    SendMessageW(handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  }
  Select(selected_);
}

void ComboBox::AddItem(const std::wstring& text) {
  items_.push_back(text);
  if (handle() != nullptr) SendMessageW(handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::wstring ComboBox::ItemText(int index) const {
  return index >= 0 && index < Count() ? items_[static_cast<size_t>(index)] : std::wstring();
}

int ComboBox::SelectedIndex() const {
  return handle() != nullptr ? static_cast<int>(SendMessageW(handle(), CB_GETCURSEL, 0, 0)) : selected_;
}

void ComboBox::Select(int index) {
  selected_ = index >= 0 && index < Count() ? index : -1;
  if (handle() != nullptr) SendMessageW(handle(), CB_SETCURSEL, static_cast<WPARAM>(selected_), 0);
}

}  // namespace ui
