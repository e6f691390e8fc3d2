#pragma once
// The search for the module on COM1 to COM50: each port that opens gets the presence
// probe, and the first one whose answer begins with "OK" is the module's. The user
// is asked first and told the outcome through the search's prompt.
#include <optional>
#include <string>
#include <string_view>

#include "device/port_link.h"

namespace tonquil {

// The three message boxes of a search, as the dialog that runs it shows them.
class SearchPrompt {
 public:
  virtual ~SearchPrompt() = default;
  // The question box; false when the user answered No.
  virtual bool ConfirmSearch() = 0;
  virtual void ReportFound(const std::u16string& port) = 0;
  virtual void ReportNotFound() = 0;
};

// True when the answer's first two characters are exactly "OK".
bool IsPresenceAnswer(std::string_view answer);

// Asks, then probes COM1 to COM50 in order through `probe`, which must hold no port,
// and leaves it holding none. `skip_port` names a port held elsewhere in the program:
// it is never opened. Gives the name of the port that answered, nullopt when the user
// declined or no port answered.
std::optional<std::u16string> SearchForModule(PortLink& probe, const std::u16string& skip_port,
                                              SearchPrompt& prompt);

}  // namespace tonquil
