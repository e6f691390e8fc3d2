#pragma once
// The single-instance guard: a named mutex that a running copy owns from its main
// window's first showing to its close work. A starting copy only probes for it.
namespace tonquil {

// True when another copy holds the guard (the probe's handle is closed again).
bool AnotherCopyIsRunning();
void CreateInstanceGuard();
void ReleaseInstanceGuard();

}  // namespace tonquil
