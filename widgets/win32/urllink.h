#pragma once
// A label that is a hyperlink: a hand cursor, the link colour while the mouse is over
// it, an optional hint window with the link beside the cursor, and a left click that
// has the shell open the link with the user's default program. A real STATIC child
// window, so automation reads its caption; the caption and the link are independent.
#include <windows.h>

#include <optional>
#include <string>

#include "ui/win32/label.h"
#include "widgets/win32/com_apartment.h"
#include "widgets/win32/font_copy.h"
#include "widgets/win32/link_hint_window.h"
#include "widgets/url_link_state.h"

class TURLLink : public ui::Label {
 public:
  TURLLink();
  ~TURLLink() override;

  tonquil::TURLtype URLType() const { return state_.URLType(); }
  void SetURLtype(tonquil::TURLtype type) { RepaintIf(state_.SetURLtype(type)); }
  std::wstring Link() const;
  void SetLink(const std::wstring& link);
  COLORREF LinkColor() const { return state_.LinkColor(); }
  void SetLinkColor(COLORREF colour) { RepaintIf(state_.SetLinkColor(colour)); }
  COLORREF HintFormColor() const { return state_.HintFormColor(); }
  void SetHintFormColor(COLORREF colour) { RepaintIf(state_.SetHintFormColor(colour)); }
  int HintOffsetX() const { return state_.HintOffsetX(); }
  void SetHintOffsetX(int offset) { RepaintIf(state_.SetHintOffsetX(offset)); }
  int HintOffsetY() const { return state_.HintOffsetY(); }
  void SetHintOffsetY(int offset) { RepaintIf(state_.SetHintOffsetY(offset)); }
  bool EnableShowHint() const { return state_.EnableShowHint(); }
  void SetEnableShowHint(bool enable) { RepaintIf(state_.SetEnableShowHint(enable)); }
  // The label keeps its own hint font: a given font lends only its attributes.
  HFONT HintFormFont() const { return hint_font_.handle(); }
  void SetHintFormFont(HFONT font);

  // The text colour the label is painted in now (the link colour while hovered).
  COLORREF FontColor() const { return state_.FontColor(); }
  void SetFontColor(COLORREF colour);
  // As the plain label's, with `text` as the font colour; call it on the link itself,
  // since the link paints in its own font colour.
  void SetColors(COLORREF text, HBRUSH background);
  bool HintShown() const { return state_.HintShown(); }

  HBRUSH PaintColors(HDC dc) const override;

 protected:
  // SS_NOTIFY lets the STATIC window take the mouse instead of passing it through.
  DWORD Style() const override { return Label::Style() | SS_NOTIFY; }
  void AfterCreate() override;

 private:
  static LRESULT CALLBACK Subclass(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                   DWORD_PTR self);
  // Handles one message on its way to the STATIC window's own procedure.
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
  void MouseEnter();
  void MouseLeave();
  void MouseMove();
  void LeftButtonDown();
  void Detach();
  void RepaintIf(bool changed);
  void Repaint();

  tonquil::UrlLinkState state_;
  widgets::FontCopy hint_font_;
  widgets::LinkHintWindow hint_;
  bool subclassed_ = false;
  bool mouse_inside_ = false;
  // Entered at the first click rather than at start-up, which most runs never need; left
  // when the label goes.
  std::optional<widgets::ComApartment> com_;
};
