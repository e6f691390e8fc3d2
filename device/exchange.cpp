#include "device/exchange.h"

#include "device/command_set.h"
#include "device/reply_parser.h"

namespace tonquil {

ButtonCommands CommandsOf(ButtonAction action) {
  switch (action) {
    case ButtonAction::NextSong: return {{command::kNextSong, command::kAfterMoveQuery}, false};
    case ButtonAction::PrevSong: return {{command::kPrevSong, command::kAfterMoveQuery}, false};
    case ButtonAction::Play: return {{command::kPlay, command::kAfterMoveQuery}, false};
    case ButtonAction::PrevDir: return {{command::kPrevDir, command::kAfterMoveQuery}, false};
    case ButtonAction::NextDir: return {{command::kNextDir, command::kAfterMoveQuery}, false};
    case ButtonAction::Pause: return {{command::kPause, {}}, false};
    case ButtonAction::Speed: return {{command::kSpeed, {}}, false};
    case ButtonAction::Loop: return {{command::kLoop, {}}, false};
    case ButtonAction::Repeat: return {{command::kRepeat, {}}, false};
    case ButtonAction::Reset: return {{command::kReset, {}}, true};
  }
  return {{}, false};
}

void Exchange::SendCommand(std::string_view command) {
  link_.WriteCommand(command);
  ParseReply(link_.ReadReply(), decoder_, targets_);
}

void Exchange::RefreshStatus() {
  targets_.display.Show(TagBlock());
  targets_.display.Show(FirmwareBlock());
  for (std::string_view query : command::kStatusQueries) SendCommand(query);
}

void Exchange::Run(ButtonAction action) {
  // A port lost since the last command is opened again first; the module may have been
  // switched off meanwhile, so the whole display is asked for afresh after the command.
  const bool reopened = link_.Reopen();
  const ButtonCommands sequence = CommandsOf(action);
  for (std::string_view command : sequence.commands) {
    if (!command.empty()) SendCommand(command);
  }
  if (sequence.refresh_status || reopened) RefreshStatus();
}

}  // namespace tonquil
