#pragma once
// A group box frame with a caption. The controls it holds are children of the same
// window, placed relative to the box, and follow its enabled state, so that a
// disabled group shows and reports every control inside it as disabled.
#include <vector>

#include "ui/win32/control.h"

namespace ui {

class GroupBox : public Control {
 public:
  void Hold(Control& member) { members_.push_back(&member); }
  void SetEnabled(bool enabled) override;

 protected:
  const wchar_t* WindowClass() const override { return L"BUTTON"; }
  DWORD Style() const override { return BS_GROUPBOX; }
  // The frame lies under the controls it holds.
  void AfterCreate() override { SendToBack(); }

 private:
  std::vector<Control*> members_;
};

}  // namespace ui
