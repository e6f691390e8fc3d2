#pragma once
// The module's state machine: one command byte in, the console text it prints out.
// Time comes in as an argument, so the machine is deterministic.
#include <cstdint>
#include <string>

#include "library.h"

namespace tonquil::emu {

enum class PlayState { kStopped, kPlaying, kPaused };

struct ModuleStatus {
  const Song* song = nullptr;  // null with an empty library
  PlayState play = PlayState::kStopped;
  std::string speed;
  std::string loop;
  std::string repeat;
  std::int64_t position_ms = 0;
  std::uint64_t commands = 0;  // bytes handled since start
};

const char* PlayStateName(PlayState state);

class Module {
 public:
  explicit Module(Library library);

  // Bytes that are no command give empty text.
  std::string Handle(char command, std::int64_t now_ms);

  // The module moving to the next song by itself: its file line and tag block.
  std::string MoveOnByItself(std::int64_t now_ms);

  ModuleStatus Status() const;
  const Library& library() const { return library_; }

 private:
  std::string Dispatch(char command);
  std::string Reset();
  std::string StepSong(int direction);
  std::string StepFolder(int direction);
  std::string TogglePlay();
  std::string TogglePause();
  std::string SpeedReport() const;
  std::string LoopReport() const;
  std::string RepeatReport() const;
  std::string SongReport() const;
  void Advance(std::int64_t now_ms);
  const Song* Current() const;

  Library library_;
  std::size_t folder_ = 0;
  std::size_t song_ = 0;
  PlayState play_ = PlayState::kStopped;
  std::size_t speed_ = 0;
  std::size_t loop_ = 0;
  std::size_t repeat_ = 0;
  std::int64_t position_ms_ = 0;
  std::int64_t clock_ms_ = 0;
  std::uint64_t commands_ = 0;
};

}  // namespace tonquil::emu
