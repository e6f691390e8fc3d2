#pragma once
// The request/reply exchange with the module: one command written, what has come
// back read and parsed onto the display. Also the status refresh and the command
// sequences of the control buttons. Keeps no state between calls.
#include <array>
#include <functional>
#include <string_view>
#include <utility>

#include "device/port_link.h"
#include "device/report_display.h"

namespace tonquil {

enum class ButtonAction { NextSong, PrevSong, Play, PrevDir, NextDir, Pause, Speed, Loop, Repeat, Reset };

struct ButtonCommands {
  std::array<std::string_view, 2> commands;  // exchanged in order; an empty one is not sent
  bool refresh_status;                        // RefreshStatus runs after the exchanges
};

ButtonCommands CommandsOf(ButtonAction action);

// Reads one reply onto the display: ParseReply with the program's decoder.
using ReplyReader = std::function<void(std::string_view reply)>;

class Exchange {
 public:
  Exchange(PortLink& link, ReportDisplay& display, ReplyReader read_reply)
      : link_(link), display_(display), read_reply_(std::move(read_reply)) {}

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
  ReportDisplay& display_;
  ReplyReader read_reply_;
};

}  // namespace tonquil
