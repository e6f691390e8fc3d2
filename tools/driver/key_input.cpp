#include "key_input.h"

#include "command.h"

namespace tqdriver {
namespace {

INPUT KeyInput(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
  const bool extended = key == VK_UP || key == VK_DOWN || key == VK_LEFT || key == VK_RIGHT || key == VK_HOME ||
                        key == VK_END || key == VK_APPS || key == VK_MEDIA_NEXT_TRACK ||
                        key == VK_MEDIA_PREV_TRACK || key == VK_MEDIA_PLAY_PAUSE || key == VK_MEDIA_STOP;
  input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (extended ? KEYEVENTF_EXTENDEDKEY : 0);
  return input;
}

}  // namespace

void PressChord(const std::vector<WORD>& keys) {
  std::vector<INPUT> inputs;
  for (WORD key : keys) inputs.push_back(KeyInput(key, false));
  for (auto key = keys.rbegin(); key != keys.rend(); ++key) inputs.push_back(KeyInput(*key, true));
  if (SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) != inputs.size()) {
    throw Failure{kNotFound, L"SendInput did not take the keys"};
  }
}

}  // namespace tqdriver
