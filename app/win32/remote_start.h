#pragma once
// A start with command words while a copy runs: each word is handed to the running
// copy in turn, which carries it out; this start makes no window but a hidden one for
// the reply, loads no settings and takes no guard.
#include <windows.h>

#include <vector>

#include "app/remote_words.h"

namespace tonquil {

// The running copy's main window; null when no copy runs.
HWND RunningMainWindow();

// Carries the words out in order; the exit code of the first one that fails, else 0.
// A status is written to standard output, a hung copy reported on standard error.
int HandOver(HWND running, const std::vector<RemoteWord>& words);

}  // namespace tonquil
