#pragma once
// The emulator's state as key=value lines, for tests that compare it with what the
// program shows. Text is UTF-8; the tag keys hold what the display's tag fields
// should show (empty when the song has no such tag).
#include <string>

#include "module.h"

namespace tonquil::emu {

std::string FormatState(const ModuleStatus& status);

// Replaces the file in one step (written beside it, then renamed), so a reader never
// sees half of it. Returns false on failure.
bool WriteStateFile(const std::string& path, const std::string& text);

}  // namespace tonquil::emu
