// ui_checks CHECK: one check of the window layer; prints "ok" or what went wrong and
// exits with 0 only when the check holds.
#include <windows.h>
#include <objbase.h>

#include <cstdio>
#include <cwchar>

#include "ui/win32/window.h"
#include "widgets/win32/urllink.h"

namespace {

class PlainWindow : public ui::Window {
 public:
  PlainWindow() { CreateTopLevel({L"UI_CHECKS_PLAIN", WS_OVERLAPPEDWINDOW, 0, 200, 100}, nullptr); }
};

bool Fail(const char* what) {
  std::printf("%s\n", what);
  return false;
}

// Destroyed from outside the object, the window takes its handle with it: the object's
// own end must not destroy a dead handle, which another window may have by then.
bool HandleGoesWithTheWindow() {
  PlainWindow window;
  if (window.handle() == nullptr) return Fail("no window was made");
  DestroyWindow(window.handle());
  return window.handle() == nullptr || Fail("the object kept the handle of its destroyed window");
}

bool InSingleThreadedApartment() {
  APTTYPE type{};
  APTTYPEQUALIFIER qualifier{};
  return SUCCEEDED(CoGetApartmentType(&type, &qualifier)) && (type == APTTYPE_STA || type == APTTYPE_MAINSTA);
}

bool InAnyApartment() {
  APTTYPE type{};
  APTTYPEQUALIFIER qualifier{};
  return SUCCEEDED(CoGetApartmentType(&type, &qualifier));
}

// A link's click hands its target to the shell from a thread in a single-threaded
// apartment, entered at the first click and left when the link goes.
bool LinkClickRunsInAnApartment() {
  PlainWindow parent;
  {
    TURLLink link;
    link.Create(parent.handle(), 100, L"link", {0, 0, 60, 13}, nullptr, true);
    // A program that ends at once stands in for the browser or mail program.
    link.SetLink(L"C:\\windows\\system32\\hostname.exe");
    if (InAnyApartment()) return Fail("COM was entered before any click");
    SendMessageW(link.handle(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
    SendMessageW(link.handle(), WM_LBUTTONUP, 0, 0);
    if (!InSingleThreadedApartment()) return Fail("the click ran outside a single-threaded apartment");
  }
  return !InAnyApartment() || Fail("COM was not left when the link went");
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  bool held = false;
  if (argc == 2 && std::wcscmp(argv[1], L"handle-goes-with-the-window") == 0) {
    held = HandleGoesWithTheWindow();
  } else if (argc == 2 && std::wcscmp(argv[1], L"link-click-apartment") == 0) {
    held = LinkClickRunsInAnApartment();
  } else {
    Fail("usage: ui_checks handle-goes-with-the-window|link-click-apartment");
    return 2;
  }
  if (held) std::printf("ok\n");
  return held ? 0 : 1;
}
