// click, post-click, check, select: act on one control the way a user's click would.
#include <windows.h>

#include "command.h"
#include "output.h"
#include "window_find.h"
#include "window_messages.h"

namespace tqdriver {
namespace {

// A user cannot click what is hidden or disabled, directly or through a disabled parent,
// nor anything in a window that a modal dialog has disabled.
HWND Clickable(const Args& args) {
  HWND control = FindControl(RequireTopLevel(args[0]), args[1]);
  if (!IsWindowVisible(control)) throw Failure{kNotFound, L"control " + args[1] + L" is hidden"};
  if (!EnabledWithAncestors(control)) {
    throw Failure{kNotFound, L"control " + args[1] + L" is disabled"};
  }
  return control;
}

void PrintClicked(HWND control) {
  Record(L"clicked").Add(L"hwnd", HandleText(control)).Add(L"text", WindowText(control)).Print();
}

// Returns once the program's click handler has run to its end.
void Click(const Args& args) {
  HWND control = Clickable(args);
  PrintClicked(control);
  Send(control, BM_CLICK, 0, 0, kActionTimeoutMs);
}

// For a click whose handler does not return soon: one that shows a modal dialog or a
// message box.
void PostClick(const Args& args) {
  HWND control = Clickable(args);
  PrintClicked(control);
  Post(control, BM_CLICK, 0, 0);
}

void Check(const Args& args) {
  if (args[2] != L"0" && args[2] != L"1") throw Failure{kUsage, L"check state is 0 or 1"};
  const WPARAM wanted = args[2] == L"1" ? BST_CHECKED : BST_UNCHECKED;
  HWND control = Clickable(args);
  if (static_cast<WPARAM>(Send(control, BM_GETCHECK, 0, 0)) != wanted) {
    Send(control, BM_CLICK, 0, 0, kActionTimeoutMs);
  }
  const auto state = static_cast<WPARAM>(Send(control, BM_GETCHECK, 0, 0));
  Record(L"checked").Add(L"hwnd", HandleText(control)).Add(L"check", static_cast<long long>(state)).Print();
  if (state != wanted) throw Failure{kNotFound, L"control " + args[1] + L" did not change its state"};
}

// Picks the item whose text is exactly TEXT (case included) and tells the owner, as the
// list does when the user picks an item.
void Select(const Args& args) {
  HWND combo = Clickable(args);
  const std::vector<std::wstring> items = ComboItems(combo);
  size_t index = 0;
  while (index < items.size() && items[index] != args[2]) ++index;
  if (index == items.size()) throw Failure{kNotFound, L"no item " + args[2] + L" in " + args[1]};
  if (Send(combo, CB_SETCURSEL, index, 0) == CB_ERR) {
    throw Failure{kNotFound, L"the list refused to select " + args[2]};
  }
  const auto id = static_cast<WORD>(GetDlgCtrlID(combo));
  Send(GetAncestor(combo, GA_PARENT), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
       reinterpret_cast<LPARAM>(combo), kActionTimeoutMs);
  Record(L"selected").Add(L"index", static_cast<long long>(index)).Add(L"text", args[2]).Print();
}

}  // namespace

const std::vector<Command>& ControlCommands() {
  static const std::vector<Command> commands = {
      {L"click", 2, 2, L"CLASS CONTROL", Click},
      {L"post-click", 2, 2, L"CLASS CONTROL", PostClick},
      {L"check", 3, 3, L"CLASS CONTROL 0|1", Check},
      {L"select", 3, 3, L"CLASS COMBO TEXT", Select},
  };
  return commands;
}

}  // namespace tqdriver
