#include "window_find.h"

#include "command.h"
#include "output.h"
#include "window_messages.h"

namespace tqdriver {
namespace {

void CollectChildren(HWND parent, int depth, const std::wstring& prefix,
                     std::vector<Control>& found) {
  int index = 0;
  for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT), ++index) {
    const std::wstring path = prefix + std::to_wstring(index);
    found.push_back(Control{child, depth, path});
    CollectChildren(child, depth + 1, path + L".", found);
  }
}

struct Selector {
  enum Kind { kId, kPosition, kCaption };
  Kind kind = kCaption;
  int id = 0;
  POINT position = {};
  std::wstring caption;
};

Selector ParseSelector(const std::wstring& text) {
  if (text.size() > 1 && text[0] == L'#') {
    Selector selector;
    selector.kind = Selector::kId;
    selector.id = ParseInt(text.substr(1));
    return selector;
  }
  if (text.size() > 1 && text[0] == L'@') {
    const size_t comma = text.find(L',');
    if (comma == std::wstring::npos) throw Failure{kUsage, L"position must be @X,Y: " + text};
    Selector selector;
    selector.kind = Selector::kPosition;
    selector.position = {ParseInt(text.substr(1, comma - 1)), ParseInt(text.substr(comma + 1))};
    return selector;
  }
  Selector selector;
  selector.caption = (!text.empty() && text[0] == L'=') ? text.substr(1) : text;
  return selector;
}

bool Matches(const Selector& selector, HWND top, HWND control) {
  switch (selector.kind) {
    case Selector::kId:
      return GetDlgCtrlID(control) == selector.id;
    case Selector::kPosition: {
      const RECT rect = RectInClientOf(control, top);
      return rect.left == selector.position.x && rect.top == selector.position.y;
    }
    case Selector::kCaption:
      return WindowText(control) == selector.caption;
  }
  return false;
}

bool IsClass(HWND window, const wchar_t* name) {
  return CompareStringOrdinal(ClassName(window).c_str(), -1, name, -1, TRUE) == CSTR_EQUAL;
}

}  // namespace

std::wstring ControlKind(HWND window) {
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  if (IsClass(window, L"Button")) {
    switch (style & BS_TYPEMASK) {
      case BS_PUSHBUTTON: case BS_DEFPUSHBUTTON: return L"button";
      case BS_GROUPBOX: return L"group";
      case BS_CHECKBOX: case BS_AUTOCHECKBOX: case BS_3STATE: case BS_AUTO3STATE: return L"check";
      case BS_RADIOBUTTON: case BS_AUTORADIOBUTTON: return L"radio";
      default: return L"button-other";
    }
  }
  if (IsClass(window, L"Static")) return L"label";
  if (IsClass(window, L"Edit")) return (style & ES_MULTILINE) ? L"memo" : L"edit";
  if (IsClass(window, L"ComboBox")) return L"combo";
  return L"other";
}

HWND FindTopLevel(const std::wstring& class_name) {
  return FindWindowExW(nullptr, nullptr, class_name.c_str(), nullptr);
}

HWND RequireTopLevel(const std::wstring& class_name) {
  HWND top = FindTopLevel(class_name);
  if (top == nullptr) throw Failure{kNotFound, L"no top-level window of class " + class_name};
  return top;
}

std::vector<Control> Descendants(HWND top) {
  std::vector<Control> found;
  CollectChildren(top, 1, L"", found);
  return found;
}

HWND FindControl(HWND top, const std::wstring& selector_text) {
  const Selector selector = ParseSelector(selector_text);
  std::vector<HWND> matches;
  for (const Control& control : Descendants(top)) {
    if (Matches(selector, top, control.window)) matches.push_back(control.window);
  }
  if (matches.empty()) throw Failure{kNotFound, L"no control matches " + selector_text};
  if (matches.size() > 1) {
    throw Failure{kUsage, std::to_wstring(matches.size()) + L" controls match " + selector_text};
  }
  return matches.front();
}

RECT RectInClientOf(HWND window, HWND reference) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  MapWindowPoints(HWND_DESKTOP, reference, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

bool EnabledWithAncestors(HWND window) {
  for (HWND current = window; current != nullptr; current = GetAncestor(current, GA_PARENT)) {
    if (!IsWindowEnabled(current)) return false;
    if ((GetWindowLongPtrW(current, GWL_STYLE) & WS_CHILD) == 0) break;
  }
  return true;
}

}  // namespace tqdriver
