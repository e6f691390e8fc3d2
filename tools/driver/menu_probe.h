#pragma once
// Reading a popup menu of another process, through the probe (see probe.h).
#include <windows.h>

#include <vector>

#include "probe.h"

namespace tqdriver {

// The items of the menu (submenus after their item), read inside the process pid.
std::vector<ProbeItem> ReadMenuOfProcess(DWORD pid, HMENU menu);

}  // namespace tqdriver
