// msgbox, msgbox-answer: read and answer a standard dialog (a message box).
#include <windows.h>

#include "command.h"
#include "output.h"
#include "polling.h"
#include "window_find.h"
#include "window_messages.h"

namespace tqdriver {
namespace {

constexpr wchar_t kDialogClass[] = L"#32770";

HWND FindVisibleDialog() {
  for (HWND dialog = FindWindowExW(nullptr, nullptr, kDialogClass, nullptr); dialog != nullptr;
       dialog = FindWindowExW(nullptr, dialog, kDialogClass, nullptr)) {
    if (IsWindowVisible(dialog)) return dialog;
  }
  return nullptr;
}

HWND WaitDialog(unsigned timeout) {
  return PollForWindow(timeout, L"message box", FindVisibleDialog);
}

bool IsTextLabel(HWND window) {
  return ClassName(window) == L"Static" &&
         (GetWindowLongPtrW(window, GWL_STYLE) & SS_TYPEMASK) != SS_ICON;
}

void Msgbox(const Args& args) {
  HWND dialog = WaitDialog(args.empty() ? kDefaultWaitMs : ParseMilliseconds(args[0]));
  std::wstring text;
  std::vector<std::wstring> buttons;
  for (const Control& control : Descendants(dialog)) {
    if (IsTextLabel(control.window)) {
      const std::wstring label = WindowText(control.window);
      text += (text.empty() || label.empty() ? L"" : L"\n") + label;
    } else if (ClassName(control.window) == L"Button") {
      buttons.push_back(WindowText(control.window));
    }
  }
  Record(L"msgbox")
      .Add(L"hwnd", HandleText(dialog))
      .Add(L"caption", WindowText(dialog))
      .Add(L"text", text)
      .AddList(L"buttons", buttons)
      .Print();
}

int AnswerId(const std::wstring& answer) {
  if (answer == L"yes") return IDYES;
  if (answer == L"no") return IDNO;
  if (answer == L"ok") return IDOK;
  if (answer == L"cancel") return IDCANCEL;
  throw Failure{kUsage, L"answer yes, no, ok or cancel, not " + answer};
}

void MsgboxAnswer(const Args& args) {
  const int id = AnswerId(args[0]);
  HWND dialog = WaitDialog(args.size() > 1 ? ParseMilliseconds(args[1]) : kDefaultWaitMs);
  HWND button = GetDlgItem(dialog, id);
  if (button == nullptr) throw Failure{kNotFound, L"the message box has no " + args[0] + L" button"};
  // The box goes away with the click: read what is needed first.
  Record answered(L"answered");
  answered.Add(L"hwnd", HandleText(dialog)).Add(L"button", WindowText(button));
  Post(button, BM_CLICK, 0, 0);
  answered.Print();
}

}  // namespace

const std::vector<Command>& MsgboxCommands() {
  static const std::vector<Command> commands = {
      {L"msgbox", 0, 1, L"[TIMEOUT_MS]", Msgbox},
      {L"msgbox-answer", 1, 2, L"yes|no|ok|cancel [TIMEOUT_MS]", MsgboxAnswer},
  };
  return commands;
}

}  // namespace tqdriver
