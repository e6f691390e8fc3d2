// The main window's now-playing file: made from the settings at the first showing, after
// the options, and told the idle text at exit.
#include "app/win32/main_window.h"
#include "settings/option_values.h"
#include "settings/settings_path.h"

void TTNQL_MAIN::StartNowPlayingFile(const tonquil::TMemIniFile& settings) {
  const tonquil::NowPlayingFileOptions options = tonquil::ReadNowPlayingFileOptions(settings);
  if (options.path.empty()) return;
  now_playing_file_ = std::make_unique<tonquil::NowPlayingFile>(
      now_playing_store_, tonquil::PathBesideExecutable(executable_path_, options.path), options.format, options.idle);
  // Joining, it takes the idle text at once: a song left from the last run is gone.
  now_playing_.Add(*now_playing_file_);
}

void TTNQL_MAIN::StopNowPlayingFile() {
  if (!now_playing_file_) return;
  now_playing_.Remove(*now_playing_file_);
  now_playing_file_->Idle();
  now_playing_file_.reset();
}
