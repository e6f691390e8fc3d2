// The control panel's buttons, each sending its commands to the module. The tray
// menu's control items share these handlers.
#include "app/win32/main_window.h"

using tonquil::ButtonAction;

void TTNQL_MAIN::B_NextSongClick() { exchange_.Run(ButtonAction::NextSong); }
void TTNQL_MAIN::B_PrevSongClick() { exchange_.Run(ButtonAction::PrevSong); }
void TTNQL_MAIN::B_PlayClick() { exchange_.Run(ButtonAction::Play); }
void TTNQL_MAIN::B_PrevDirClick() { exchange_.Run(ButtonAction::PrevDir); }
void TTNQL_MAIN::B_NextDirClick() { exchange_.Run(ButtonAction::NextDir); }
void TTNQL_MAIN::B_PauseClick() { exchange_.Run(ButtonAction::Pause); }
void TTNQL_MAIN::B_SpeedClick() { exchange_.Run(ButtonAction::Speed); }
void TTNQL_MAIN::B_LoopClick() { exchange_.Run(ButtonAction::Loop); }
void TTNQL_MAIN::B_RepeatClick() { exchange_.Run(ButtonAction::Repeat); }
void TTNQL_MAIN::B_ResetClick() { exchange_.Run(ButtonAction::Reset); }
