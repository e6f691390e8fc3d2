#pragma once
// The single-instance guard: a named mutex that a running copy creates at start-up,
// before any window exists, and owns until its close work. A starting copy probes for it
// first; two copies that both pass the probe together are told apart by its creation.
namespace tonquil {

// True when another copy holds the guard (the probe's handle is closed again).
bool AnotherCopyIsRunning();
// False when another copy created the guard first: this one must end. When the guard
// cannot be made at all, the program runs on without one.
bool TakeInstanceGuard();
void ReleaseInstanceGuard();

}  // namespace tonquil
