#include "widgets/win32/urllink.h"

#include <commctrl.h>
#include <shellapi.h>

#include <exception>

#include "ui/win32/application.h"
#include "text/win32/wide.h"
#include "widgets/win32/system_colour.h"

namespace {

constexpr UINT_PTR kSubclassId = 1;

HFONT DefaultFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

}  // namespace

TURLLink::TURLLink() : hint_font_(DefaultFont()) {}

TURLLink::~TURLLink() { Detach(); }

std::wstring TURLLink::Link() const { return ui::Wide(state_.Link()); }

void TURLLink::SetLink(const std::wstring& link) { RepaintIf(state_.SetLink(ui::FromWide(link))); }

void TURLLink::SetHintFormFont(HFONT font) {
  if (font == hint_font_.handle()) return;
  hint_font_.CopyFrom(font);
  Repaint();
}

void TURLLink::SetFontColor(COLORREF colour) {
  state_.SetFontColor(colour);
  Repaint();
}

void TURLLink::SetColors(COLORREF text, HBRUSH background) {
  Label::SetColors(text, background);
  SetFontColor(text);
}

HBRUSH TURLLink::PaintColors(HDC dc) const {
  const HBRUSH brush = Label::PaintColors(dc);
  SetTextColor(dc, widgets::ToColorRef(state_.FontColor()));
  return brush;
}

void TURLLink::AfterCreate() {
  subclassed_ =
      SetWindowSubclass(handle(), &TURLLink::Subclass, kSubclassId, reinterpret_cast<DWORD_PTR>(this)) != FALSE;
  hint_.Create();
}

// The hint goes with the label's window, or with the label if that goes first.
void TURLLink::Detach() {
  if (subclassed_) RemoveWindowSubclass(handle(), &TURLLink::Subclass, kSubclassId);
  subclassed_ = false;
  hint_.Close();
}

LRESULT CALLBACK TURLLink::Subclass(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                    DWORD_PTR self) {
  try {
    return reinterpret_cast<TURLLink*>(self)->HandleMessage(message, wparam, lparam);
  } catch (...) {
    // No C++ exception may cross back into USER32; the message loop shows it.
    ui::Application::Instance().HoldError(std::current_exception());
    return DefSubclassProc(hwnd, message, wparam, lparam);
  }
}

LRESULT TURLLink::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_SETCURSOR:
      SetCursor(LoadCursorW(nullptr, IDC_HAND));
      return TRUE;
    case WM_MOUSEMOVE:
      if (!mouse_inside_) MouseEnter();
      MouseMove();
      break;
    case WM_MOUSELEAVE:
      MouseLeave();
      break;
    // A double click's second press counts as a press too, as every press does.
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      Repaint();
      const LRESULT result = DefSubclassProc(handle(), message, wparam, lparam);
      LeftButtonDown();
      return result;
    }
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      Repaint();
      break;
    case WM_NCDESTROY:
      Detach();
      break;
    default:
      break;
  }
  return DefSubclassProc(handle(), message, wparam, lparam);
}

void TURLLink::MouseEnter() {
  // Windows reports the leaving only when asked, once per entering.
  TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, handle(), 0};
  TrackMouseEvent(&track);
  mouse_inside_ = true;
  state_.MouseEnter();
  Repaint();
}

void TURLLink::MouseLeave() {
  mouse_inside_ = false;
  const bool hide_hint = state_.MouseLeave();
  Repaint();
  if (hide_hint) hint_.Hide();
}

void TURLLink::MouseMove() {
  if (!state_.MouseMove()) return;
  POINT cursor{};
  GetCursorPos(&cursor);
  // The offsets are pixels at 96 DPI, as every figure of the layout.
  hint_.Show(Link(), hint_font_.handle(), widgets::ToColorRef(state_.HintFormColor()), cursor,
             ui::ScaleForDpi(HintOffsetX(), dpi()), ui::ScaleForDpi(HintOffsetY(), dpi()));
}

void TURLLink::LeftButtonDown() {
  const tonquil::UrlLinkState::Click click = state_.LeftButtonDown();
  if (!com_) com_.emplace();
  ShellExecuteW(nullptr, L"OPEN", ui::Wide(click.target).c_str(), L"", L"", SW_SHOW);
  if (click.hide_hint) hint_.Hide();
}

void TURLLink::RepaintIf(bool changed) {
  if (changed) Repaint();
}

void TURLLink::Repaint() {
  // Before the window exists there is nothing to paint; a null window would mean all.
  if (handle() != nullptr) InvalidateRect(handle(), nullptr, TRUE);
}
