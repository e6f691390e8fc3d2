#pragma once
// The texts and kinds of the message boxes in which the options dialog asks before the
// search for the module and tells its outcome.
#include <string>
#include <string_view>

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

}  // namespace tonquil
