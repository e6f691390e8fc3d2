#pragma once
// Where the programs under test are and the Wine environment they run in. The paths are
// fixed by the build; the environment (WINEPREFIX, DISPLAY, locale) comes from ctest.
#include <string>
#include <vector>

namespace tonquil::e2e {

std::string TonquilExePath();
std::string DriverExePath();
std::string EmulatorPath();
// The prefix from WINEPREFIX; fails when the environment is not set up for Wine (no
// WINEPREFIX or no DISPLAY).
std::string WinePrefix();

// "wine PROGRAM ARGS..." as an argument vector, run without address randomisation.
std::vector<std::string> WineCommand(const std::string& program, const std::vector<std::string>& args = {});

}  // namespace tonquil::e2e
