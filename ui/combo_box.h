#pragma once
// A drop-down list without typing.
#include <string>

#include "ui/control.h"

namespace ui {

class ComboBox : public Control {
 public:
  void AddItem(const std::wstring& text);
  int Count() const;
  std::wstring ItemText(int index) const;
  int SelectedIndex() const;  // -1: nothing selected
  void Select(int index);
  // The selected item's text, or the empty text when nothing is selected.
  std::wstring SelectedText() const;

 protected:
  const wchar_t* WindowClass() const override { return L"COMBOBOX"; }
  DWORD Style() const override { return WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST; }
  void AfterCreate() override;
};

}  // namespace ui
