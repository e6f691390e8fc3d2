#pragma once
// The search for the module on COM1 to COM50: each port that opens gets the presence
// probe, and the first one whose answer begins with "OK" is the module's. The user
// is asked first and told the outcome through message boxes.
#include <optional>
#include <string>
#include <string_view>

#include "device/port_link.h"

namespace tonquil {

// What the message box shows besides its text; the platform side turns it into flags.
enum class PromptKind {
  kAskYesNoDefaultNo,  // Yes and No, No the default, information icon
  kInformation,        // OK, information icon
  kError,              // OK, error icon
};

struct PromptText {
  std::u16string_view title;
  std::u16string_view text;
  PromptKind kind;
};

inline constexpr PromptText kSearchQuestion{
    u"確認", u"COM1\uFF5ECOM50までを検索してZ.O.R.V.Aを検索します。よろしいですか?", PromptKind::kAskYesNoDefaultNo};
// Its text follows the port name directly.
inline constexpr PromptText kSearchFound{u"検索結果", u"でZ.O.R.V.Aが見つかりました", PromptKind::kInformation};
inline constexpr PromptText kSearchNotFound{u"検索結果", u"Z.O.R.V.Aが見つかりませんでした", PromptKind::kError};

// The found box's full text for the port that answered.
std::u16string FoundText(const std::u16string& port);

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
