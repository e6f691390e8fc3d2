#include "module.h"

#include <algorithm>
#include <array>

#include "report_text.h"

namespace tonquil::emu {
namespace {

struct Speed {
  const char* name;
  std::int64_t numerator;
  std::int64_t denominator;
};

constexpr std::array<Speed, 4> kSpeeds = {{{"1x", 1, 1}, {"2x", 2, 1}, {"4x", 4, 1}, {"0.5x", 1, 2}}};
constexpr std::array<const char*, 5> kLoops = {"1", "2", "3", "4", "Inf"};
constexpr std::array<const char*, 4> kRepeats = {"None", "One", "All", "Dir"};

// Index moved by direction (+1 or -1) with wrap-around over count entries.
std::size_t Wrap(std::size_t index, int direction, std::size_t count) {
  return direction > 0 ? (index + 1) % count : (index + count - 1) % count;
}

}  // namespace

const char* PlayStateName(PlayState state) {
  switch (state) {
    case PlayState::kPlaying: return "Playing";
    case PlayState::kPaused: return "Paused";
    case PlayState::kStopped: break;
  }
  return "Stopped";
}

Module::Module(Library library) : library_(std::move(library)) {}

std::string Module::Handle(char command, std::int64_t now_ms) {
  Advance(now_ms);
  ++commands_;
  return Dispatch(command);
}

std::string Module::MoveOnByItself(std::int64_t now_ms) {
  Advance(now_ms);
  StepSong(+1);
  return SongReport();
}

std::string Module::Dispatch(char command) {
  switch (command) {
    case 'c': return StepSong(+1);
    case 'x': return StepSong(-1);
    case 'v': return StepFolder(+1);
    case 'z': return StepFolder(-1);
    case 'b': return TogglePlay();
    case 'p': return TogglePause();
    case 's': speed_ = Wrap(speed_, +1, kSpeeds.size()); return SpeedReport();
    case 't': return SpeedReport();
    case 'l': loop_ = Wrap(loop_, +1, kLoops.size()); return LoopReport();
    case 'L': return LoopReport();
    case 'r': repeat_ = Wrap(repeat_, +1, kRepeats.size()); return RepeatReport();
    case 'R': return RepeatReport();
    case '!': return Reset();
    case 'S': return ReportLine(PlayStateName(play_));
    case 'P': return SongReport();
    case 'T': return PlayTimeReport(position_ms_, Current() ? Current()->info.length_ms : 0);
    case '@': return FirmwareReport(library_);
    case '*': return std::string(kProbeAnswer);
    default: return {};
  }
}

std::string Module::Reset() {
  folder_ = song_ = speed_ = loop_ = repeat_ = 0;
  play_ = PlayState::kStopped;
  position_ms_ = 0;
  return BootBanner(library_);
}

std::string Module::StepSong(int direction) {
  if (library_.empty()) return FileReport(nullptr);
  const std::size_t count = library_[folder_].songs.size();
  const bool leaves_folder = direction > 0 ? song_ + 1 == count : song_ == 0;
  if (leaves_folder) {
    folder_ = Wrap(folder_, direction, library_.size());
    song_ = direction > 0 ? 0 : library_[folder_].songs.size() - 1;
  } else {
    song_ = Wrap(song_, direction, count);
  }
  position_ms_ = 0;
  return FileReport(Current());
}

std::string Module::StepFolder(int direction) {
  if (library_.empty()) return FileReport(nullptr);
  folder_ = Wrap(folder_, direction, library_.size());
  song_ = 0;
  position_ms_ = 0;
  return FileReport(Current());
}

std::string Module::TogglePlay() {
  play_ = play_ == PlayState::kStopped ? PlayState::kPlaying : PlayState::kStopped;
  position_ms_ = 0;
  return ReportLine(PlayStateName(play_));
}

std::string Module::TogglePause() {
  if (play_ == PlayState::kPlaying) {
    play_ = PlayState::kPaused;
  } else if (play_ == PlayState::kPaused) {
    play_ = PlayState::kPlaying;
  }
  return ReportLine(PlayStateName(play_));
}

std::string Module::SpeedReport() const {
  return ReportLine(std::string("PlaySpeed : ") + kSpeeds[speed_].name);
}

std::string Module::LoopReport() const {
  return ReportLine(std::string("LoopCount : ") + kLoops[loop_]);
}

std::string Module::RepeatReport() const {
  return ReportLine(std::string("Repeat : ") + kRepeats[repeat_]);
}

std::string Module::SongReport() const { return FileReport(Current()) + TagReport(Current()); }

void Module::Advance(std::int64_t now_ms) {
  const std::int64_t elapsed = std::max<std::int64_t>(0, now_ms - clock_ms_);
  clock_ms_ = std::max(clock_ms_, now_ms);
  if (play_ != PlayState::kPlaying || !Current()) return;
  const Speed& speed = kSpeeds[speed_];
  position_ms_ = std::min(position_ms_ + elapsed * speed.numerator / speed.denominator,
                          Current()->info.length_ms);
}

const Song* Module::Current() const {
  return library_.empty() ? nullptr : &library_[folder_].songs[song_];
}

ModuleStatus Module::Status() const {
  return {Current(),       play_,        kSpeeds[speed_].name, kLoops[loop_],
          kRepeats[repeat_], position_ms_, commands_};
}

}  // namespace tonquil::emu
