#pragma once
// The hand-over between a command start and the running copy: a WM_COPYDATA to the
// running main window whose dwData is the request tag and whose bytes are one word's
// name in UTF-16, with the command start's reply window in wParam. The running copy
// answers with the exit code in the message's result, marked so that a window that
// knows nothing of it (its result 0) is told apart; a status comes back before that, as
// a WM_COPYDATA of UTF-8 JSON with the status tag to the reply window.
#include <windows.h>

#include <optional>
#include <string_view>

#include "app/remote_words.h"

namespace tonquil {

inline constexpr ULONG_PTR kRemoteRequestTag = 0x4C51'4E54;  // "TNQL" as bytes
inline constexpr ULONG_PTR kRemoteStatusTag = 0x5453'4E54;   // "TNST"
inline constexpr LRESULT kRemoteAnswerMark = 0x5400;
inline constexpr DWORD kRemoteNameMaxBytes = 32;
inline constexpr DWORD kRemoteStatusMaxBytes = 1 << 20;

// The word a request carries; none for a foreign tag, a length out of bounds or odd, or
// a name that is no word.
inline std::optional<RemoteWord> RequestedWord(const COPYDATASTRUCT& data) {
  if (data.dwData != kRemoteRequestTag || data.lpData == nullptr) return std::nullopt;
  if (data.cbData == 0 || data.cbData > kRemoteNameMaxBytes || data.cbData % sizeof(char16_t) != 0) {
    return std::nullopt;
  }
  return WordNamed(std::u16string_view(static_cast<const char16_t*>(data.lpData), data.cbData / sizeof(char16_t)));
}

inline LRESULT RemoteAnswer(int exit_code) { return kRemoteAnswerMark | exit_code; }

// The exit code in a result; none when the window did not answer as Tonquil does.
inline std::optional<int> ExitCodeIn(DWORD_PTR result) {
  if ((result & ~DWORD_PTR{0xFF}) != static_cast<DWORD_PTR>(kRemoteAnswerMark)) return std::nullopt;
  return static_cast<int>(result & 0xFF);
}

}  // namespace tonquil
