// tqprobe.dll: loaded by the driver into the program it asks (see probe.h). The work runs
// on a thread of its own, after the loader has let go of its lock, and ends by unloading
// the library again, so that the next request loads it afresh.
#include <windows.h>

#include "probe.h"

namespace tqdriver {
namespace {

HMODULE self = nullptr;

void Answer(ProbeBlock& block) {
  block.count = 0;
  block.status = kProbeDone;
  switch (block.request) {
    case kProbeReadMenu: ProbeReadMenu(block); break;
    case kProbeMeasureCaptions: ProbeMeasureCaptions(block); break;
    case kProbeLoadLibrary: ProbeLoadLibrary(block); break;
    default: block.status = kProbeUnreadable; break;
  }
}

void Probe() {
  const DWORD pid = GetCurrentProcessId();
  HANDLE mapping = OpenFileMappingW(FILE_MAP_WRITE, FALSE, ProbeBlockName(pid).c_str());
  if (mapping == nullptr) return;
  HANDLE done = OpenEventW(EVENT_MODIFY_STATE, FALSE, ProbeDoneName(pid).c_str());
  if (auto* block = static_cast<ProbeBlock*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, sizeof(ProbeBlock)))) {
    Answer(*block);
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
