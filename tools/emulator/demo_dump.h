#pragma once
// Short deterministic tunes as real register-write dumps, for the demo library.
#include <cstdint>
#include <string>

namespace tonquil::emu {

enum class DemoChip { kOpna, kOpm };

struct DemoTune {
  DemoChip chip = DemoChip::kOpna;
  std::uint32_t seed = 1;  // picks the notes
  int notes = 48;
  int ticks_per_beat = 24;  // at the default 10 ms tick
};

std::string MakeDemoDump(const DemoTune& tune);

}  // namespace tonquil::emu
