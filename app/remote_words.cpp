#include "app/remote_words.h"

#include <algorithm>
#include <iterator>

namespace tonquil {
namespace {

struct WordRow {
  RemoteWord word;
  std::u16string_view name;
  std::optional<ButtonAction> button;
  std::u16string_view what;  // for the usage
};

const WordRow kWords[] = {
    {RemoteWord::Next, u"next", ButtonAction::NextSong, u"next song"},
    {RemoteWord::Prev, u"prev", ButtonAction::PrevSong, u"previous song"},
    {RemoteWord::Play, u"play", ButtonAction::Play, u"play/stop"},
    {RemoteWord::Pause, u"pause", ButtonAction::Pause, u"pause"},
    {RemoteWord::NextDir, u"nextdir", ButtonAction::NextDir, u"next directory"},
    {RemoteWord::PrevDir, u"prevdir", ButtonAction::PrevDir, u"previous directory"},
    {RemoteWord::Speed, u"speed", ButtonAction::Speed, u"play speed"},
    {RemoteWord::Loop, u"loop", ButtonAction::Loop, u"loop count"},
    {RemoteWord::Repeat, u"repeat", ButtonAction::Repeat, u"repeat mode"},
    {RemoteWord::Reset, u"reset", ButtonAction::Reset, u"reset the module"},
    {RemoteWord::Open, u"open", std::nullopt, u"open the port chosen in the options"},
    {RemoteWord::Close, u"close", std::nullopt, u"close the port"},
    {RemoteWord::Show, u"show", std::nullopt, u"bring the window to the front"},
    {RemoteWord::Tray, u"tray", std::nullopt, u"put the window in the tray"},
    {RemoteWord::Exit, u"exit", std::nullopt, u"end the running copy"},
    {RemoteWord::Status, u"status", std::nullopt, u"print the display as one line of JSON"},
    {RemoteWord::Help, u"help", std::nullopt, u"print this text"},
};

const WordRow* RowOf(RemoteWord word) {
  return std::find_if(std::begin(kWords), std::end(kWords), [word](const WordRow& row) { return row.word == word; });
}

char16_t Lower(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c; }

// The name inside "/name", "-name" or "--name"; empty for anything else.
std::u16string_view NameIn(std::u16string_view argument) {
  if (argument.substr(0, 2) == u"--") return argument.substr(2);
  if (argument.substr(0, 1) == u"-" || argument.substr(0, 1) == u"/") return argument.substr(1);
  return {};
}

}  // namespace

bool HasArgumentsAfterProgramName(std::u16string_view command_line) {
  std::size_t rest = 0;
  if (!command_line.empty() && command_line.front() == u'"') {
    const std::size_t closing = command_line.find(u'"', 1);
    rest = closing == std::u16string_view::npos ? command_line.size() : closing + 1;
  } else {
    rest = std::min(command_line.find_first_of(u" \t"), command_line.size());
  }
  return command_line.find_first_not_of(u" \t", rest) != std::u16string_view::npos;
}

std::u16string_view NameOf(RemoteWord word) { return RowOf(word)->name; }

std::optional<RemoteWord> WordNamed(std::u16string_view name) {
  for (const WordRow& row : kWords) {
    if (name.size() == row.name.size() &&
        std::equal(name.begin(), name.end(), row.name.begin(), [](char16_t a, char16_t b) { return Lower(a) == b; })) {
      return row.word;
    }
  }
  return std::nullopt;
}

RemoteArguments ParseRemoteArguments(const std::vector<std::u16string>& arguments) {
  RemoteArguments parsed;
  for (const std::u16string& argument : arguments) {
    const std::optional<RemoteWord> word = WordNamed(NameIn(argument));
    if (!word) {
      parsed.unknown = argument;
      break;
    }
    parsed.words.push_back(*word);
  }
  return parsed;
}

std::optional<ButtonAction> ButtonOf(RemoteWord word) { return RowOf(word)->button; }

bool ActsUnderModalWindow(RemoteWord word) { return word == RemoteWord::Status || word == RemoteWord::Show; }

bool StartsTheProgram(const std::vector<RemoteWord>& words) {
  return !words.empty() && std::all_of(words.begin(), words.end(), [](RemoteWord word) {
    return word == RemoteWord::Tray || word == RemoteWord::Open || word == RemoteWord::Show;
  });
}

std::u16string RemoteUsage() {
  std::u16string usage =
      u"Usage: Tonquil.exe [/word ...]\n"
      u"Without words, starts Tonquil. Each word (also -word or --word) is carried out\n"
      u"by the running copy, in the order given:\n";
  for (const WordRow& row : kWords) {
    usage += u"  /";
    usage += row.name;
    usage.append(10 - row.name.size(), u' ');
    usage += row.what;
    usage += u'\n';
  }
  usage +=
      u"With no copy running, /tray, /open and /show start Tonquil; other words end with 4.\n"
      u"Exit codes: 0 done, 1 a copy is starting, 2 could not act, 3 unknown word,\n"
      u"4 no copy running, 5 the running copy does not answer.\n";
  return usage;
}

}  // namespace tonquil
