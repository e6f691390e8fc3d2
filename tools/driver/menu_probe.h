#pragma once
// Reading a popup menu of another process. Wine keeps a menu's items in the memory of
// the process that made it, so GetMenuItemInfoW answers only there: the driver loads
// tqmenuprobe.dll into that process, which copies the items into a named shared block
// that the driver has prepared, and signals an event when it is done.
#include <windows.h>

#include <string>
#include <vector>

namespace tqdriver {

constexpr size_t kProbeMaxItems = 64;
constexpr size_t kProbeTextLength = 128;
constexpr size_t kProbePathLength = 16;

struct ProbeItem {
  wchar_t path[kProbePathLength];  // "2.0": the first item of the third item's submenu
  UINT id;
  UINT type;   // MFT_*
  UINT state;  // MFS_*
  UINT has_submenu;
  wchar_t text[kProbeTextLength];
};

enum ProbeStatus : INT32 { kProbePending = 0, kProbeDone = 1, kProbeUnreadable = -1, kProbeTooMany = -2 };

struct ProbeBlock {
  UINT64 menu;  // the HMENU to read, as a number
  INT32 status;
  UINT32 count;
  ProbeItem items[kProbeMaxItems];
};

// The names of the block and the event for the process with this id.
inline std::wstring ProbeBlockName(DWORD pid) { return L"tqdriver-menu-probe-" + std::to_wstring(pid); }
inline std::wstring ProbeDoneName(DWORD pid) { return L"tqdriver-menu-probe-done-" + std::to_wstring(pid); }

// The items of the menu (submenus after their item), read inside the process pid.
std::vector<ProbeItem> ReadMenuOfProcess(DWORD pid, HMENU menu);

}  // namespace tqdriver
