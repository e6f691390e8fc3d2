#pragma once
// The module's one-byte commands. Each goes out alone in a write of its own; letter
// case tells them apart ("s" is speed, "S" a status query).
#include <array>
#include <string_view>

namespace tonquil::command {

inline constexpr std::string_view kNextSong = "c";
inline constexpr std::string_view kPrevSong = "x";
inline constexpr std::string_view kPlay = "b";  // play or stop
inline constexpr std::string_view kPrevDir = "z";
inline constexpr std::string_view kNextDir = "v";
inline constexpr std::string_view kPause = "p";
inline constexpr std::string_view kSpeed = "s";
inline constexpr std::string_view kLoop = "l";
inline constexpr std::string_view kRepeat = "r";
inline constexpr std::string_view kReset = "!";
// A module answers it with text that begins "OK".
inline constexpr std::string_view kPresenceProbe = "*";

// Sent together and in this order to bring the whole display up to date. The module
// says what each one reports; the program gives none a meaning of its own.
inline constexpr std::array<std::string_view, 7> kStatusQueries = {"S", "R", "L", "P", "t", "T", "@"};
// The query that follows every song, directory and play move.
inline constexpr std::string_view kAfterMoveQuery = "P";

}  // namespace tonquil::command
