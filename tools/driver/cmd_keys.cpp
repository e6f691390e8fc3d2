// keys, focus: key presses as a user's keyboard makes them, and where the keyboard
// focus is. The keys go through SendInput into the input of the whole session, to the
// window in front, as the X server's keyboard would send them.
#include <windows.h>

#include <string>
#include <vector>

#include "command.h"
#include "key_input.h"
#include "output.h"
#include "window_find.h"
#include "window_messages.h"

namespace tqdriver {
namespace {

struct KeyName {
  const wchar_t* name;
  WORD key;
};

const KeyName kKeys[] = {
    {L"tab", VK_TAB},     {L"space", VK_SPACE}, {L"return", VK_RETURN}, {L"escape", VK_ESCAPE},
    {L"up", VK_UP},       {L"down", VK_DOWN},   {L"left", VK_LEFT},     {L"right", VK_RIGHT},
    {L"home", VK_HOME},   {L"end", VK_END},     {L"f4", VK_F4},         {L"f10", VK_F10},
    {L"apps", VK_APPS},   {L"a", 'A'},          {L"shift", VK_SHIFT},   {L"ctrl", VK_CONTROL},
    {L"alt", VK_MENU},
};

WORD KeyCode(const std::wstring& name) {
  for (const KeyName& key : kKeys) {
    if (CompareStringOrdinal(name.c_str(), -1, key.name, -1, TRUE) == CSTR_EQUAL) return key.key;
  }
  throw Failure{kUsage, L"unknown key " + name};
}

// "shift+tab": the keys of a chord, modifiers first.
std::vector<WORD> Chord(const std::wstring& text) {
  std::vector<WORD> keys;
  size_t start = 0;
  for (;;) {
    const size_t plus = text.find(L'+', start);
    keys.push_back(KeyCode(text.substr(start, plus - start)));
    if (plus == std::wstring::npos) return keys;
    start = plus + 1;
  }
}

// keys CLASS CHORD...: the window of that class is brought in front (a user's click on
// it would do that), then each chord is pressed, a little apart as a typist would.
void Keys(const Args& args) {
  const HWND top = RequireTopLevel(args[0]);
  if (GetForegroundWindow() != top) SetForegroundWindow(top);
  for (size_t i = 1; i < args.size(); ++i) {
    PressChord(Chord(args[i]));
    Sleep(60);
  }
  Record(L"keys").Add(L"hwnd", HandleText(top)).Add(L"count", static_cast<long long>(args.size() - 1)).Print();
}

// keys-front CHORD...: the keys go to whatever is in front, as to a menu that is open.
void KeysFront(const Args& args) {
  for (const std::wstring& chord : args) {
    PressChord(Chord(chord));
    Sleep(60);
  }
  Record(L"keys").Add(L"count", static_cast<long long>(args.size())).Print();
}

// focus CLASS: the control with the keyboard focus in the thread of the window of that
// class, where it lies in the window's client area, and whether it shows its focus
// rectangle; and whether a menu is open in that thread.
void Focus(const Args& args) {
  const HWND top = RequireTopLevel(args[0]);
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(top, nullptr), &info)) {
    throw Failure{kNotFound, L"GetGUIThreadInfo failed"};
  }
  Record record(L"focus");
  record.Add(L"hwnd", HandleText(info.hwndFocus))
      .Add(L"active", HandleText(info.hwndActive))
      .AddFlag(L"in_menu", (info.flags & GUI_INMENUMODE) != 0)
      .Add(L"menu_owner", HandleText(info.hwndMenuOwner));
  if (info.hwndFocus != nullptr) {
    const LRESULT ui_state = Send(info.hwndFocus, WM_QUERYUISTATE, 0, 0);
    record.Add(L"class", ClassName(info.hwndFocus))
        .Add(L"text", WindowText(info.hwndFocus))
        .Add(L"id", GetDlgCtrlID(info.hwndFocus))
        .Add(L"rect", RectText(RectInClientOf(info.hwndFocus, top)))
        .AddFlag(L"shows_focus", (ui_state & UISF_HIDEFOCUS) == 0);
  }
  record.Print();
}

}  // namespace

const std::vector<Command>& KeyCommands() {
  static const std::vector<Command> commands = {
      {L"keys", 2, 64, L"CLASS CHORD... (tab, shift+tab, space, return, escape, alt+f4, down, ...)", Keys},
      {L"keys-front", 1, 64, L"CHORD...", KeysFront},
      {L"focus", 1, 1, L"CLASS", Focus},
  };
  return commands;
}

}  // namespace tqdriver
