#pragma once
// The command words that a script gives a new start of the program ("Tonquil.exe /next"),
// which the running copy carries out as a click on the control of that name would.
// Words are case-insensitive and written /word, -word or --word.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "device/exchange.h"

namespace tonquil {

// The exit codes of a start with words. 1 stays what it is for a start without words: a
// copy is running (or starting) and this one ends.
namespace remote_exit {
inline constexpr int kDone = 0;
inline constexpr int kCouldNotAct = 2;
inline constexpr int kUnknownWord = 3;
inline constexpr int kNotRunning = 4;
inline constexpr int kNotAnswering = 5;
}  // namespace remote_exit

enum class RemoteWord {
  Next, Prev, Play, Pause, NextDir, PrevDir, Speed, Loop, Repeat, Reset,  // the buttons
  Open, Close,                                                            // the port buttons
  Show, Tray, Exit,                                                       // the window
  Status, Help,
};

// A start's arguments: the words in the order given, or the first argument that is no
// word (then `words` holds the ones before it).
struct RemoteArguments {
  std::vector<RemoteWord> words;
  std::optional<std::u16string> unknown;
};

RemoteArguments ParseRemoteArguments(const std::vector<std::u16string>& arguments);

// Whether a process's command line holds anything after the program's name, which runs
// to the closing quote when it starts with one, else to the first space or tab (the rule
// by which Windows splits off the first argument). A start without arguments, the usual
// one, so needs no splitting of the rest.
bool HasArgumentsAfterProgramName(std::u16string_view command_line);

// The word's name as a request carries it (lower case, no dash or slash); a name that
// is no word has none.
std::u16string_view NameOf(RemoteWord word);
std::optional<RemoteWord> WordNamed(std::u16string_view name);

// The control panel button that the word clicks, if it is one of them.
std::optional<ButtonAction> ButtonOf(RemoteWord word);

// Whether the running copy still carries the word out while a modal window of its own
// is up: only those that change nothing behind that window.
bool ActsUnderModalWindow(RemoteWord word);

// Words that may start the program when no copy runs: it then starts as they ask.
bool StartsTheProgram(const std::vector<RemoteWord>& words);

// The usage text, for `help` and after an unknown word; lines end with "\n".
std::u16string RemoteUsage();

}  // namespace tonquil
