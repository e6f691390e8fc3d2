#pragma once
// Finding top-level windows by class and the controls inside them.
#include <windows.h>

#include <string>
#include <vector>

namespace tqdriver {

// A descendant of a top-level window. path numbers the window among its siblings in
// z-order (which is also the tab order), one number per level: "3.0" is the first child
// of the fourth child.
struct Control {
  HWND window;
  int depth;
  std::wstring path;
};

// A coarse kind ("button", "group", "check", "radio", "label", "edit", "memo", "combo",
// "other"), so that a reader need not decode class names and style bits itself.
std::wstring ControlKind(HWND window);

HWND FindTopLevel(const std::wstring& class_name);  // nullptr when there is none
HWND RequireTopLevel(const std::wstring& class_name);
std::vector<Control> Descendants(HWND top);

// A control by selector: "#ID", "@X,Y" (its top-left in the top-level window's client
// area), "=CAPTION" or an exact CAPTION. Fails with kNotFound when nothing matches and
// with kUsage when several controls do.
HWND FindControl(HWND top, const std::wstring& selector);

// The window's rectangle in the client coordinates of reference.
RECT RectInClientOf(HWND window, HWND reference);
// Enabled, and so are all its ancestors: only then can a user click it.
bool EnabledWithAncestors(HWND window);

}  // namespace tqdriver
