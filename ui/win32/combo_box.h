#pragma once
// A drop-down list without typing. The box keeps its items, and its selection until
// its window is made, so a window that is made only when first shown can still be
// read and set.
#include <string>
#include <vector>

#include "ui/win32/control.h"

namespace ui {

class ComboBox : public Control {
 public:
  void AddItem(const std::wstring& text);
  int Count() const { return static_cast<int>(items_.size()); }
  // The item's text, or the empty text for an index outside the list.
  std::wstring ItemText(int index) const;
  int SelectedIndex() const;  // -1: nothing selected
  // An index outside the list clears the selection.
  void Select(int index);
  // The selected item's text, or the empty text when nothing is selected.
  std::wstring SelectedText() const { return ItemText(SelectedIndex()); }
  void Place(Bounds bounds, HFONT font, int dpi) override;

 protected:
  const wchar_t* WindowClass() const override { return L"COMBOBOX"; }
  DWORD Style() const override { return WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST; }
  void AfterCreate() override;

 private:
  void FitHeights();

  std::vector<std::wstring> items_;
  int selected_ = -1;  // while there is no window
};

}  // namespace ui
