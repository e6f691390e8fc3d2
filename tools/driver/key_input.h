#pragma once
// Key presses as the keyboard sends them: through SendInput into the input of the whole
// session, where the system hands them to a hot key's holder or to the window in front.
#include <windows.h>

#include <vector>

namespace tqdriver {

// Presses the chord's keys in order and releases them in reverse order; fails when the
// system does not take them.
void PressChord(const std::vector<WORD>& keys);

}  // namespace tqdriver
