#include "tray_icons.h"

#include "output.h"
#include "remote_process.h"

namespace tqdriver {
namespace {

constexpr wchar_t kTrayClass[] = L"__winex11_standalone_tray";
constexpr wchar_t kIconClass[] = L"__winex11_tray_icon";

}  // namespace

WineTrayIcon ReadIconRecord(HWND icon) {
  DWORD pid = 0;
  GetWindowThreadProcessId(icon, &pid);
  OwnedHandle process(OpenForRemoteWork(pid));
  WineTrayIcon record = {};
  ReadFrom(process.get(), reinterpret_cast<const void*>(GetWindowLongPtrW(icon, GWLP_USERDATA)), &record,
           sizeof record);
  if (record.window != icon || !IsWindow(record.owner)) {
    throw Failure{kNotFound, L"the tray's record of icon " + HandleText(icon) + L" has an unknown layout"};
  }
  return record;
}

std::vector<HWND> Icons() {
  std::vector<HWND> icons;
  for (HWND tray = FindWindowExW(nullptr, nullptr, kTrayClass, nullptr); tray != nullptr;
       tray = FindWindowExW(nullptr, tray, kTrayClass, nullptr)) {
    for (HWND icon = FindWindowExW(tray, nullptr, kIconClass, nullptr); icon != nullptr;
         icon = FindWindowExW(tray, icon, kIconClass, nullptr)) {
      icons.push_back(icon);
    }
  }
  return icons;
}

HWND IconAt(const Args& args, size_t position) {
  const std::vector<HWND> icons = Icons();
  const size_t index = args.size() > position ? static_cast<size_t>(ParseInt(args[position])) : 0;
  if (index >= icons.size()) {
    throw Failure{kNotFound, L"no tray icon " + std::to_wstring(index) + L" (" +
                                 std::to_wstring(icons.size()) + L" present)"};
  }
  return icons[index];
}

}  // namespace tqdriver
