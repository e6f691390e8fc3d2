#include "ui/win32/group_box.h"

namespace ui {

void GroupBox::SetEnabled(bool enabled) {
  Control::SetEnabled(enabled);
  for (Control* member : members_) member->SetEnabled(enabled);
}

}  // namespace ui
