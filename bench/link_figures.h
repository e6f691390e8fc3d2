#pragma once
// The link figures, each printed as benchmark rows; false when one could not be measured.
// PORTS_DIR holds com3, a link to the module emulator's terminal, and nothing else.
#include <string>

namespace tonquil::bench {

// One exchange's cost beyond its pauses, and the whole status refresh.
bool ExchangeFigures(const std::string& ports_dir);
// The search over fifty ports, with none present and with the emulator on COM3.
bool SearchFigures(const std::string& ports_dir);

}  // namespace tonquil::bench
