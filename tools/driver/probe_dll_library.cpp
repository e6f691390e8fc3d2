// The probe's load-library request: a library loaded by its name alone inside the
// program, found wherever the program's search for libraries looks, and let go again.
#include <windows.h>

#include "probe.h"

namespace tqdriver {

void ProbeLoadLibrary(ProbeBlock& block) {
  ProbeLibrary& library = block.library;
  library.name[MAX_PATH - 1] = L'\0';
  library.found[0] = L'\0';
  const HMODULE module = LoadLibraryW(library.name);
  if (module == nullptr) return;
  GetModuleFileNameW(module, library.found, MAX_PATH);
  FreeLibrary(module);
  block.count = 1;
}

}  // namespace tqdriver
