#include "menu_probe.h"

namespace tqdriver {

std::vector<ProbeItem> ReadMenuOfProcess(DWORD pid, HMENU menu) {
  const std::unique_ptr<ProbeBlock> block = RunProbe(pid, kProbeReadMenu, reinterpret_cast<UINT_PTR>(menu));
  return std::vector<ProbeItem>(block->items, block->items + block->count);
}

}  // namespace tqdriver
