#pragma once
// Ends the process from a thread of its own when the stop file appears or the lifetime
// is over, so that no test can leave a fake messenger behind, even one that hangs.
#include <string>

namespace fake_messenger {

inline constexpr unsigned kExitStopFile = 0;
inline constexpr unsigned kExitLifetime = 3;

// Returns false when the thread could not be started.
bool StartWatchdog(const std::wstring& stop_path, unsigned lifetime_ms);

}  // namespace fake_messenger
