#include "ui/win32/memo.h"

#include <commctrl.h>

namespace ui {

namespace {
constexpr UINT_PTR kSubclassId = 1;
}  // namespace

void Memo::AfterCreate() {
  // Edit controls cap their text at 32767 characters unless told otherwise.
  SendMessageW(handle(), EM_SETLIMITTEXT, 0, 0);
  SetWindowSubclass(handle(), &Memo::Subclass, kSubclassId, 0);
}

// A multi-line edit asks the dialog manager for every key; it keeps them all but a
// plain Tab or Shift+Tab, which move the focus, and Esc, which belongs to the window
// (an edit in dialog mode would close its parent on Esc).
LRESULT CALLBACK Memo::Subclass(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR) {
  if (message == WM_NCDESTROY) RemoveWindowSubclass(hwnd, &Memo::Subclass, kSubclassId);
  LRESULT result = DefSubclassProc(hwnd, message, wparam, lparam);
  if (message == WM_GETDLGCODE && lparam != 0) {
    const MSG& key = *reinterpret_cast<const MSG*>(lparam);
    const bool is_key = key.message == WM_KEYDOWN || key.message == WM_CHAR;
    const bool plain_tab = key.wParam == VK_TAB && (GetKeyState(VK_CONTROL) & 0x8000) == 0;
    if (is_key && (plain_tab || key.wParam == VK_ESCAPE)) result &= ~(DLGC_WANTALLKEYS | DLGC_WANTTAB);
  }
  return result;
}

void Memo::SetLines(const std::vector<std::wstring>& lines) {
  std::wstring text;
  for (const std::wstring& line : lines) {
    if (!text.empty()) text += L"\r\n";
    text += line;
  }
  SetText(text);
}

}  // namespace ui
