// Times the portable link code natively against the module emulator on a terminal:
// what one exchange costs beyond its fixed pauses, the whole status refresh, and the
// search for the module over fifty ports, with none present and with the module on
// COM3.
//
//   tqbench_link PORTS_DIR    PORTS_DIR holds com3, a link to the emulator, and nothing else
#include <cstdio>
#include <string>

#include "link_figures.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: tqbench_link PORTS_DIR  (holds com3, a link to the emulator's terminal)\n");
    return 2;
  }
  const std::string ports_dir = argv[1];
  const bool exchanged = tonquil::bench::ExchangeFigures(ports_dir);
  const bool searched = tonquil::bench::SearchFigures(ports_dir);
  return exchanged && searched ? 0 : 1;
}
