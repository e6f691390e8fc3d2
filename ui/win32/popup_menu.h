#pragma once
// A popup menu made from a table of rows from top to bottom. A row whose
// caption is "-" is a separator; the rows marked as inside the submenu follow the row
// that opens it. Captions are shown exactly as written: no access keys are added and
// every separator stays.
#include <windows.h>

#include <cstddef>

namespace ui {

enum class MenuPlace { Top, OpensSubmenu, InSubmenu };

template <class Owner>
struct MenuRow {
  const wchar_t* caption;
  MenuPlace place;
  void (Owner::*on_click)();  // nullptr for separators and the submenu's opener
};

class PopupMenu {
 public:
  PopupMenu() : menu_(CreatePopupMenu()) {}
  PopupMenu(const PopupMenu&) = delete;
  PopupMenu& operator=(const PopupMenu&) = delete;
  ~PopupMenu() { DestroyMenu(menu_); }  // destroys the submenus with it

  HMENU handle() const { return menu_; }

  // Appends the rows; each item's command id is its row's index plus one.
  template <class Owner, size_t N>
  void Build(const MenuRow<Owner> (&rows)[N]);

  // Pops the menu up at `at` (screen coordinates) for `owner` and returns the chosen
  // command id, 0 when the menu was dismissed.
  UINT TrackAt(HWND owner, POINT at) const;

 private:
  HMENU menu_;
};

template <class Owner, size_t N>
void PopupMenu::Build(const MenuRow<Owner> (&rows)[N]) {
  HMENU submenu = nullptr;
  for (size_t i = 0; i < N; ++i) {
    const MenuRow<Owner>& row = rows[i];
    const bool separator = row.caption[0] == L'-' && row.caption[1] == L'\0';
    if (row.place == MenuPlace::OpensSubmenu) {
      submenu = CreatePopupMenu();
      AppendMenuW(menu_, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(submenu), row.caption);
      continue;
    }
    const HMENU target = row.place == MenuPlace::InSubmenu ? submenu : menu_;
    if (separator) {
      AppendMenuW(target, MF_SEPARATOR, 0, nullptr);
    } else {
      AppendMenuW(target, MF_STRING, i + 1, row.caption);
    }
  }
}

}  // namespace ui
