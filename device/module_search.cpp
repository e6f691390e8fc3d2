#include "device/module_search.h"

#include "device/command_set.h"
#include "device/port_names.h"

namespace tonquil {
namespace {

// Opens the port, sends the probe, reads what came within the link's pauses and
// closes it again. A port that does not open costs no pause.
bool ModuleAnswersOn(PortLink& probe, const std::u16string& port) {
  if (!probe.OpenPort(port)) return false;
  probe.WriteCommand(command::kPresenceProbe);
  const std::string answer = probe.ReadReply();
  probe.ClosePort();
  probe.Pause(PortLink::kPauseMs);
  return IsPresenceAnswer(answer);
}

}  // namespace

bool IsPresenceAnswer(std::string_view answer) { return answer.substr(0, 2) == "OK"; }

std::optional<std::u16string> SearchForModule(PortLink& probe, const std::u16string& skip_port,
                                              SearchPrompt& prompt) {
  if (!prompt.ConfirmSearch()) return std::nullopt;
  for (const std::u16string& port : PortNames()) {
    if (port == skip_port) continue;
    if (ModuleAnswersOn(probe, port)) {
      prompt.ReportFound(port);
      return port;
    }
  }
  prompt.ReportNotFound();
  return std::nullopt;
}

}  // namespace tonquil
