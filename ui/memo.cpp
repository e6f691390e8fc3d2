#include "ui/memo.h"

namespace ui {

void Memo::AppendLine(const std::wstring& line) {
  const int length = GetWindowTextLengthW(handle());
  const std::wstring text = length == 0 ? line : L"\r\n" + line;
  SendMessageW(handle(), EM_SETSEL, static_cast<WPARAM>(length), static_cast<LPARAM>(length));
  SendMessageW(handle(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
  // Keep the view at the first line's start rather than at the caret.
  SendMessageW(handle(), EM_SETSEL, 0, 0);
  SendMessageW(handle(), EM_SCROLLCARET, 0, 0);
}

}  // namespace ui
