#pragma once
// The main window: port buttons, the control panel and the display of the module's
// state. Its first showing restores its place and makes the options dialog; its close
// releases them and the single-instance guard in order.
#include <memory>

#include "app/media_keys.h"
#include "app/now_playing_file.h"
#include "app/remote_words.h"
#include "app/status_json.h"
#include "app/win32/tray_icon.h"
#include "app/win32/win32_hot_keys.h"
#include "device/exchange.h"
#include "device/port_link.h"
#include "device/report_sink.h"
#include "nowplaying/now_playing_feed.h"
#include "nowplaying/win32/win32_media_session.h"
#include "settings/win32/option_dialog.h"
#include "settings/win32/win32_file_store.h"
#include "settings/option_values.h"
#include "settings/settings_session.h"
#include "text/ansi_decoder.h"
#include "ui/win32/button.h"
#include "ui/win32/edit_field.h"
#include "ui/win32/font.h"
#include "ui/win32/group_box.h"
#include "ui/win32/label.h"
#include "ui/win32/layout.h"
#include "ui/win32/memo.h"
#include "ui/win32/popup_menu.h"
#include "ui/win32/window.h"

class TTNQL_MAIN : public ui::Window,
                   public tonquil::ReportSink,
                   public tonquil::SongNotices,
                   public tonquil::NoticeState {
 public:
  // `executable_path` places a now-playing file that the settings name by a relative path.
  TTNQL_MAIN(tonquil::PortLink& link, tonquil::SettingsSession& settings, const tonquil::AnsiDecoder& decoder,
             std::u16string executable_path);
  ~TTNQL_MAIN() override;

  // Shows the window; the first time, the first-showing work runs before it appears.
  void Show(int show_command);

  ui::Button B_Option, B_Open, B_Close;
  ui::GroupBox GB1;
  ui::Button B_NextSong, B_PrevSong, B_Play, B_PrevDir, B_NextDir, B_Pause, B_Speed, B_Loop, B_Repeat, B_Reset;
  ui::Label L_Pause, L_Speed, L_Loop, L_Repeat;
  ui::GroupBox GB2;
  ui::Label L_File;
  ui::GroupBox GB3;
  ui::Label L_01, L_02, L_03, L_04, L_05, L_06, L_07, L_08, L_09;
  ui::EditField E_Tag_Copyright, E_Tag_Genre, E_Tag_Game, E_Tag_Title, E_Tag_S98By, E_Tag_System, E_Tag_Artist,
      E_Tag_Year, E_Tag_Comment;
  ui::Memo M_Etc, M_Debug;

  TTrayIcon TrayIcon;
  ui::PopupMenu PM_Tray;

  void FormShow();
  void FormClose();
  void EndSession();
  void ApplicationEventsMinimize();
  void B_OpenClick();
  void B_CloseClick();
  void B_NextSongClick();
  void B_PrevSongClick();
  void B_PlayClick();
  void B_PrevDirClick();
  void B_NextDirClick();
  void B_PauseClick();
  void B_SpeedClick();
  void B_LoopClick();
  void B_RepeatClick();
  void B_ResetClick();
  void B_OptionClick();
  void PM_ShowClick();
  void PM_ExitClick();

  // The display of the module's reports: each value goes to the controls that show it.
  void Show(const tonquil::StatusLine& line) override;
  void Show(const tonquil::TagBlock& tags) override;
  void Show(const tonquil::FirmwareBlock& firmware) override;
  // After a tag block.
  void SetBalloon(const std::u16string& title, const std::u16string& text) override;
  void ShowBalloon() override;
  void PublishNowPlaying(const tonquil::TagBlock& tags) override;
  // What decides them.
  std::u16string ShownFile() const override;
  bool SitsInTheTray() const override;
  bool BalloonsSwitchedOff() const override;
  bool MsnEnabledAtLoad() const override;
  // Withdraws the notice at exit.
  void ClearNowPlaying();

  // A command word, as the click on its control would do it; its exit code. A status
  // goes to `reply_to`.
  int CarryOut(tonquil::RemoteWord word, HWND reply_to);

 private:
  ui::Label& StatusLabelFor(tonquil::StatusLabel label);
  ui::EditField& TagFieldFor(tonquil::TagField field);
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  void LayOutForDpi(int dpi) override;
  void SnapWhileMoving(WINDOWPOS& position) const;
  void BuildTrayMenu();
  void TrayIconRequest(const tonquil::TrayRequest& request);
  void HideToTray();
  void ShowInPlaceOfTheIcon();
  // Holds the media keys exactly while C_MediaKeys is ticked and a port is open.
  void UpdateMediaKeys();
  void MediaKeyPressed(tonquil::MediaKey key);
  bool HandleMediaKeyMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result);
  // The system's media session, where the system has one: it shows the song and its
  // buttons stand in for the media keys.
  void OpenMediaSession();
  void CloseMediaSession();
  void SessionButtonPressed(tonquil::SessionButton button);
  void BringToFront();
  tonquil::WindowPosition NormalPosition() const;
  // The now-playing file joins the feed at the first showing when the settings name one,
  // and leaves it with the idle text at exit.
  void StartNowPlayingFile(const tonquil::TMemIniFile& settings);
  void StopNowPlayingFile();
  ui::Button& ButtonFor(tonquil::ButtonAction action);
  LRESULT RemoteRequest(HWND reply_to, const COPYDATASTRUCT* data);
  tonquil::DisplayStatus CurrentStatus();
  bool SendStatus(HWND reply_to);
  void SaveAndRelease();
  void SaveSettingsNow();
  void SaveMainPosition();

  static const ui::Layout<TTNQL_MAIN> kLayout;

  tonquil::PortLink& link_;
  tonquil::SettingsSession& settings_;
  tonquil::Exchange exchange_;
  ui::Font font_;
  std::unique_ptr<TTNQL_OPTION> options_;
  Win32HotKeys hot_keys_{*this};
  tonquil::MediaKeyControl media_keys_{hot_keys_};
  const std::u16string executable_path_;
  tonquil::Win32FileStore now_playing_store_;
  std::unique_ptr<tonquil::NowPlayingFile> now_playing_file_;  // outlives the feed that points to it
  // What the display shows of the song, for the publications beyond the messenger.
  tonquil::NowPlayingFeed now_playing_;
  std::unique_ptr<Win32MediaSession> media_session_;
  bool shown_once_ = false;
  bool first_showing_ = false;
  bool moving_ = false;
  bool released_ = false;  // by SaveAndRelease
};

// The process-wide reference to the main window, set while it exists.
extern TTNQL_MAIN* TNQL_MAIN;
