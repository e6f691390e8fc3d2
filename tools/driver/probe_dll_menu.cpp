// The probe's reading of a popup menu, inside the process that made it.
#include <windows.h>

#include <cwchar>
#include <string>

#include "probe.h"

namespace tqdriver {
namespace {

void CopyText(wchar_t* field, size_t size, const wchar_t* text) {
  std::wcsncpy(field, text, size - 1);
  field[size - 1] = L'\0';
}

bool ReadItems(HMENU menu, const std::wstring& prefix, ProbeBlock& block) {
  const int count = GetMenuItemCount(menu);
  if (count < 0) return false;
  for (int i = 0; i < count; ++i) {
    if (block.count == kProbeMaxItems) {
      block.status = kProbeTooMany;
      return true;
    }
    ProbeItem& item = block.items[block.count++];
    wchar_t text[kProbeTextLength] = {};
    MENUITEMINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = kProbeTextLength - 1;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) return false;
    const std::wstring path = prefix + std::to_wstring(i);
    CopyText(item.path, kProbePathLength, path.c_str());
    CopyText(item.text, kProbeTextLength, text);
    item.id = info.wID;
    item.type = info.fType;
    item.state = info.fState;
    item.has_submenu = info.hSubMenu != nullptr;
    if (info.hSubMenu != nullptr && !ReadItems(info.hSubMenu, path + L".", block)) return false;
  }
  return true;
}

}  // namespace

void ProbeReadMenu(ProbeBlock& block) {
  if (!ReadItems(reinterpret_cast<HMENU>(static_cast<UINT_PTR>(block.target)), L"", block)) {
    block.status = kProbeUnreadable;
  }
}

}  // namespace tqdriver
