// tqmenuprobe.dll: loaded by the driver into the program whose popup menu it reads.
// The reading runs on a thread of its own, after the loader has let go of its lock,
// and ends by unloading the library again, so that the next read loads it afresh.
#include <windows.h>

#include <cwchar>

#include "menu_probe.h"

namespace tqdriver {
namespace {

HMODULE self = nullptr;

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

void Probe() {
  const DWORD pid = GetCurrentProcessId();
  HANDLE mapping = OpenFileMappingW(FILE_MAP_WRITE, FALSE, ProbeBlockName(pid).c_str());
  if (mapping == nullptr) return;
  HANDLE done = OpenEventW(EVENT_MODIFY_STATE, FALSE, ProbeDoneName(pid).c_str());
  if (auto* block = static_cast<ProbeBlock*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, sizeof(ProbeBlock)))) {
    block->count = 0;
    block->status = kProbeDone;
    if (!ReadItems(reinterpret_cast<HMENU>(static_cast<UINT_PTR>(block->menu)), L"", *block)) {
      block->status = kProbeUnreadable;
    }
    UnmapViewOfFile(block);
  }
  if (done != nullptr) {
    SetEvent(done);
    CloseHandle(done);
  }
  CloseHandle(mapping);
}

DWORD WINAPI ProbeThread(LPVOID) {
  Probe();
  FreeLibraryAndExitThread(self, 0);
}

}  // namespace
}  // namespace tqdriver

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  tqdriver::self = instance;
  DisableThreadLibraryCalls(instance);
  // The thread gives back the driver's LoadLibraryW reference when it ends. It starts
  // only after that call has returned: a new thread waits for the loader's lock.
  HANDLE thread = CreateThread(nullptr, 0, tqdriver::ProbeThread, nullptr, 0, nullptr);
  if (thread == nullptr) return FALSE;
  CloseHandle(thread);
  return TRUE;
}
