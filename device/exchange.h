#pragma once
// The request/reply exchange with the module: one command written, what has come
// back read, decoded and parsed onto the display. Also the status refresh and the command
// sequences of the control buttons. Keeps no state between calls.
#include <array>
#include <string_view>

#include "device/port_link.h"
#include "device/report_sink.h"
#include "text/ansi_decoder.h"

namespace tonquil {

enum class ButtonAction { NextSong, PrevSong, Play, PrevDir, NextDir, Pause, Speed, Loop, Repeat, Reset };

struct ButtonCommands {
  std::array<std::string_view, 2> commands;  // exchanged in order; an empty one is not sent
  bool refresh_status;                        // RefreshStatus runs after the exchanges
};

ButtonCommands CommandsOf(ButtonAction action);

class Exchange {
 public:
  Exchange(PortLink& link, const AnsiDecoder& decoder, const ReportTargets& targets)
      : link_(link), decoder_(decoder), targets_(targets) {}

  // Writes the command, reads what waits after the pause and parses it, even when
  // nothing came. No port held means a silent write and an empty reply.
  void SendCommand(std::string_view command);
  // Empties the tag fields and M_Etc, then exchanges the status queries in order.
  // The status labels keep their text until a reply changes them.
  void RefreshStatus();
  // One button's exchanges, each complete before the next command is written. A lost
  // port is opened again first; when that works, RefreshStatus follows the exchanges
  // (once, also after Reset). When it fails, the exchanges go on silently as they would
  // on the dead port, and the next command tries again.
  void Run(ButtonAction action);

 private:
  PortLink& link_;
  const AnsiDecoder& decoder_;
  ReportTargets targets_;
};

}  // namespace tonquil
