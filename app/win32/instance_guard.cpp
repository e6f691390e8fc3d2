#include "app/win32/instance_guard.h"

#include <windows.h>

#include "ui/app_identity.h"

namespace tonquil {
namespace {

// Held until the process ends: the named mutex must outlive the release, so that a
// copy started during shut-down is still refused.
HANDLE InstanceMutex = nullptr;

}  // namespace

bool AnotherCopyIsRunning() {
  const HANDLE probe = OpenMutexW(MUTEX_ALL_ACCESS, FALSE, kInstanceGuardName);
  if (probe == nullptr) return false;
  CloseHandle(probe);
  return true;
}

bool TakeInstanceGuard() {
  const HANDLE mutex = CreateMutexW(nullptr, TRUE, kInstanceGuardName);
  if (mutex != nullptr && GetLastError() == ERROR_ALREADY_EXISTS) {
    CloseHandle(mutex);
    return false;
  }
  InstanceMutex = mutex;
  return true;
}

void ReleaseInstanceGuard() {
  if (InstanceMutex != nullptr) ReleaseMutex(InstanceMutex);
}

}  // namespace tonquil
