#include "ui/combo_box.h"

namespace ui {

namespace {
// Height of the list when dropped down; the closed box keeps the layout's height.
constexpr int kDroppedListHeight = 200;
}  // namespace

void ComboBox::AfterCreate() {
  // The window height of a drop-down list includes its dropped list; the layout gives
  // the closed height, so make room for the list and size the selection field to fit.
  const int closed_height = bounds().height;
  SetWindowPos(handle(), nullptr, 0, 0, bounds().width, closed_height + kDroppedListHeight,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  const int frame = GetSystemMetrics(SM_CYEDGE) * 2 + 2;
  SendMessageW(handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), closed_height - frame);
}

void ComboBox::AddItem(const std::wstring& text) {
  SendMessageW(handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

int ComboBox::Count() const { return static_cast<int>(SendMessageW(handle(), CB_GETCOUNT, 0, 0)); }

std::wstring ComboBox::ItemText(int index) const {
  const LRESULT length = SendMessageW(handle(), CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == CB_ERR) return L"";
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  SendMessageW(handle(), CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(length));
  return text;
}

int ComboBox::SelectedIndex() const { return static_cast<int>(SendMessageW(handle(), CB_GETCURSEL, 0, 0)); }

void ComboBox::Select(int index) { SendMessageW(handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0); }

std::wstring ComboBox::SelectedText() const {
  const int index = SelectedIndex();
  return index < 0 ? L"" : ItemText(index);
}

}  // namespace ui
