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

void CreateInstanceGuard() { InstanceMutex = CreateMutexW(nullptr, TRUE, kInstanceGuardName); }

void ReleaseInstanceGuard() {
  if (InstanceMutex != nullptr) ReleaseMutex(InstanceMutex);
}

}  // namespace tonquil
