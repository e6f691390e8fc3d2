#pragma once
// Base of the child controls. Every control is a real child window of a standard
// class, so screen readers and automation read its text and state. A kind of
// control says which class and styles it is made of; the layout creates it.
#include <windows.h>

#include <string>

#include "ui/dpi_scale.h"

namespace ui {

class Control {
 public:
  Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control() = default;

  // `bounds` are pixels of the parent's client area at `dpi`, the DPI the parent is
  // laid out for.
  void Create(HWND parent, int id, const std::wstring& caption, Bounds bounds, HFONT font, bool enabled,
              int dpi = kDesignDpi);
  // Moves and sizes the control for a new DPI and gives it the font made for that DPI.
  virtual void Place(Bounds bounds, HFONT font, int dpi);

  HWND handle() const { return hwnd_; }
  int id() const { return id_; }
  const Bounds& bounds() const { return bounds_; }
  int dpi() const { return dpi_; }

  std::wstring Text() const;
  void SetText(const std::wstring& text);
  bool IsEnabled() const { return IsWindowEnabled(hwnd_) != FALSE; }
  virtual void SetEnabled(bool enabled);

  // Colours for WM_CTLCOLOR*: the brush that paints the background, or nullptr for
  // the system's default. The parent window asks the control through ColorsFor.
  virtual HBRUSH PaintColors(HDC dc) const;
  static HBRUSH ColorsFor(HWND control, HDC dc);

 protected:
  virtual const wchar_t* WindowClass() const = 0;
  virtual DWORD Style() const = 0;
  virtual DWORD ExStyle() const { return 0; }
  // Kind-specific set-up once the window exists.
  virtual void AfterCreate() {}
  // Puts the control under its siblings, for frames and fills that others lie on.
  void SendToBack() const {
    SetWindowPos(hwnd_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }

 private:
  HWND hwnd_ = nullptr;
  int id_ = 0;
  Bounds bounds_{};
  int dpi_ = kDesignDpi;
};

}  // namespace ui
