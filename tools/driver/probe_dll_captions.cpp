// The probe's measuring of captions, inside the process whose windows show them: only there
// does the handle that WM_GETFONT gives name the control's font.
#include <windows.h>

#include <cwchar>
#include <string>
#include <vector>

#include "probe.h"

namespace tqdriver {
namespace {

constexpr UINT kAskTimeoutMs = 5000;

bool IsClass(HWND window, const wchar_t* name) {
  wchar_t class_name[64] = {};
  GetClassNameW(window, class_name, 64);
  return CompareStringOrdinal(class_name, -1, name, -1, TRUE) == CSTR_EQUAL;
}

std::wstring TextOf(HWND window) {
  std::wstring text(kProbeTextLength, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window, &text[0], static_cast<int>(text.size()))));
  return text;
}

// The font the control draws its text in: the window thread answers WM_GETFONT; a control
// that was given none draws in the system font.
HFONT FontOf(HWND window) {
  DWORD_PTR font = 0;
  SendMessageTimeoutW(window, WM_GETFONT, 0, 0, SMTO_ABORTIFHUNG, kAskTimeoutMs, &font);
  return font != 0 ? reinterpret_cast<HFONT>(font) : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

// Statics with SS_NOPREFIX show "&" as it is; every other caption underlines the next letter.
UINT PrefixFlag(HWND window) {
  const bool no_prefix = IsClass(window, L"Static") && (GetWindowLongPtrW(window, GWL_STYLE) & SS_NOPREFIX) != 0;
  return no_prefix ? DT_NOPREFIX : 0;
}

void Measure(HWND window, const std::wstring& text, ProbeCaption& caption) {
  HDC dc = GetDC(window);
  HGDIOBJ old_font = SelectObject(dc, FontOf(window));
  RECT extent = {0, 0, 0, 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &extent, DT_CALCRECT | DT_SINGLELINE | PrefixFlag(window));
  INT zero_width = 0;
  GetCharWidth32W(dc, L'0', L'0', &zero_width);
  LOGFONTW font = {};
  GetObjectW(GetCurrentObject(dc, OBJ_FONT), sizeof font, &font);
  GetTextFaceW(dc, LF_FACESIZE, caption.face);
  caption.window = reinterpret_cast<UINT_PTR>(window);
  caption.extent_cx = extent.right - extent.left;
  caption.extent_cy = extent.bottom - extent.top;
  caption.check_box = GetSystemMetrics(SM_CXMENUCHECK);
  caption.check_gap = zero_width / 2;
  caption.font_height = font.lfHeight;
  caption.font_weight = font.lfWeight;
  caption.dpi = GetDeviceCaps(dc, LOGPIXELSX);
  SelectObject(dc, old_font);
  ReleaseDC(window, dc);
}

BOOL CALLBACK Collect(HWND window, LPARAM windows) {
  reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
  return TRUE;
}

}  // namespace

void ProbeMeasureCaptions(ProbeBlock& block) {
  std::vector<HWND> windows;
  EnumChildWindows(reinterpret_cast<HWND>(static_cast<UINT_PTR>(block.target)), Collect,
                   reinterpret_cast<LPARAM>(&windows));
  for (HWND window : windows) {
    if (!IsClass(window, L"Button") && !IsClass(window, L"Static")) continue;
    const std::wstring text = TextOf(window);
    if (text.empty()) continue;
    if (block.count == kProbeMaxItems) {
      block.status = kProbeTooMany;
      return;
    }
    Measure(window, text, block.captions[block.count++]);
  }
}

}  // namespace tqdriver
