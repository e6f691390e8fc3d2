#pragma once
// Controls made from a table: each row names the owner's control member, its caption,
// its place (relative to the group box that holds it, if any), its initial enabled
// state and the owner's click handler. Rows are created in table order, which is also
// the tab order.
#include <windows.h>

#include <cstddef>

#include "ui/win32/control.h"
#include "ui/win32/group_box.h"

namespace ui {

template <class Member>
struct MemberOf;
template <class Owner, class T>
struct MemberOf<T Owner::*> {
  using OwnerType = Owner;
};

// The accessor stored in a row: Part<&Owner::Name> gives the owner's control `Name`.
template <auto member>
Control& Part(typename MemberOf<decltype(member)>::OwnerType& owner) {
  return owner.*member;
}
template <auto member>
GroupBox& Group(typename MemberOf<decltype(member)>::OwnerType& owner) {
  return owner.*member;
}

template <class Owner>
struct LayoutRow {
  Control& (*control)(Owner&);
  const wchar_t* caption;
  Bounds bounds;
  GroupBox& (*group)(Owner&);  // nullptr: directly on the window
  bool enabled;
  void (Owner::*on_click)();   // nullptr: no click handler
};

template <class Owner>
struct Layout {
  const LayoutRow<Owner>* rows;
  size_t size;
  const LayoutRow<Owner>* begin() const { return rows; }
  const LayoutRow<Owner>* end() const { return rows + size; }
};

// Words for the rows' columns.
constexpr bool kEnabled = true;
constexpr bool kDisabled = false;
constexpr std::nullptr_t kNoGroup = nullptr;
constexpr std::nullptr_t kNoClick = nullptr;

// Control ids are the row's index plus this base, so WM_COMMAND finds the row.
constexpr int kFirstControlId = 1000;

// The row's place in the parent's client area at `dpi`: the table's place, scaled, and
// for a row in a group box moved by the box's scaled place.
template <class Owner>
Bounds PlaceOf(Owner& owner, const LayoutRow<Owner>& row, int dpi) {
  Bounds place = ScaleForDpi(row.bounds, dpi);
  if (row.group != nullptr) {
    const Bounds& group = row.group(owner).bounds();
    place.left += group.left;
    place.top += group.top;
  }
  return place;
}

template <class Owner>
void CreateControls(Owner& owner, HWND parent, Layout<Owner> layout, HFONT font, int dpi) {
  for (size_t i = 0; i < layout.size; ++i) {
    const LayoutRow<Owner>& row = layout.rows[i];
    bool enabled = row.enabled;
    if (row.group != nullptr) {
      GroupBox& group = row.group(owner);
      group.Hold(row.control(owner));
      // A group passes its state on; its row comes before its members'.
      enabled = enabled && group.IsEnabled();
    }
    row.control(owner).Create(parent, kFirstControlId + static_cast<int>(i), row.caption, PlaceOf(owner, row, dpi),
                              font, enabled, dpi);
  }
}

// Lays the controls out again for another DPI, with the font made for it.
template <class Owner>
void PlaceControls(Owner& owner, Layout<Owner> layout, HFONT font, int dpi) {
  for (const LayoutRow<Owner>& row : layout) row.control(owner).Place(PlaceOf(owner, row, dpi), font, dpi);
}

// Calls the click handler of the row that `id` belongs to; false when it has none.
template <class Owner>
bool DispatchClick(Owner& owner, Layout<Owner> layout, int id) {
  const int index = id - kFirstControlId;
  if (index < 0 || index >= static_cast<int>(layout.size)) return false;
  const auto handler = layout.rows[index].on_click;
  if (handler == nullptr) return false;
  (owner.*handler)();
  return true;
}

}  // namespace ui

namespace ui {

// Enter reaches a window that is not a dialog as the command IDOK: it presses the
// push button that has the focus, as in a dialog.
inline bool PressFocusedButton(HWND window) {
  const HWND focus = GetFocus();
  if (focus == nullptr || !IsChild(window, focus)) return false;
  const LRESULT code = SendMessageW(focus, WM_GETDLGCODE, 0, 0);
  if ((code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) == 0) return false;
  SendMessageW(focus, BM_CLICK, 0, 0);
  return true;
}

// Answers the messages that every window made from a layout answers alike: clicks go
// to the row's handler, and controls with colours of their own get them. True when
// the message was handled, with its result in `result`.
template <class Owner>
bool HandleLayoutMessage(Owner& owner, Layout<Owner> layout, UINT message, WPARAM wparam, LPARAM lparam,
                         LRESULT& result) {
  switch (message) {
    case WM_COMMAND:
      result = 0;
      if (wparam == IDOK) return PressFocusedButton(owner.handle());
      return HIWORD(wparam) == BN_CLICKED && DispatchClick(owner, layout, LOWORD(wparam));
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      const HBRUSH brush = Control::ColorsFor(reinterpret_cast<HWND>(lparam), reinterpret_cast<HDC>(wparam));
      result = reinterpret_cast<LRESULT>(brush);
      return brush != nullptr;
    }
    default:
      return false;
  }
}

}  // namespace ui
