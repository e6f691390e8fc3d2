// The main window as the display of the module's reports: which control shows what,
// and the balloon and the messenger notice after a tag block.
#include <string>
#include <vector>

#include "app/win32/main_window.h"
#include "nowplaying/now_playing_info.h"
#include "nowplaying/now_playing_send.h"
#include "nowplaying/win32/win32_messenger_windows.h"
#include "text/win32/wide.h"

using tonquil::StatusLabel;
using tonquil::TagField;

ui::Label& TTNQL_MAIN::StatusLabelFor(StatusLabel label) {
  switch (label) {
    case StatusLabel::Pause: return L_Pause;
    case StatusLabel::Speed: return L_Speed;
    case StatusLabel::Loop: return L_Loop;
    case StatusLabel::Repeat: return L_Repeat;
    case StatusLabel::File: break;
  }
  return L_File;
}

ui::EditField& TTNQL_MAIN::TagFieldFor(TagField field) {
  switch (field) {
    case TagField::Title: return E_Tag_Title;
    case TagField::Artist: return E_Tag_Artist;
    case TagField::Game: return E_Tag_Game;
    case TagField::Year: return E_Tag_Year;
    case TagField::Genre: return E_Tag_Genre;
    case TagField::Comment: return E_Tag_Comment;
    case TagField::Copyright: return E_Tag_Copyright;
    case TagField::S98By: return E_Tag_S98By;
    case TagField::System: break;
  }
  return E_Tag_System;
}

void TTNQL_MAIN::Show(const tonquil::StatusLine& line) {
  StatusLabelFor(line.label).SetText(ui::Wide(line.text));
  if (line.label == StatusLabel::File) now_playing_.FileShown(line.text);
  if (line.label == StatusLabel::Pause) now_playing_.StateShown(line.text);
}

void TTNQL_MAIN::Show(const tonquil::TagBlock& tags) {
  for (TagField field : tonquil::kTagFields) TagFieldFor(field).SetText(ui::Wide(tags[field]));
  now_playing_.TagsShown(tags);
}

void TTNQL_MAIN::Show(const tonquil::FirmwareBlock& firmware) {
  std::vector<std::wstring> lines;
  lines.reserve(firmware.lines.size());
  for (const std::u16string& line : firmware.lines) lines.push_back(ui::Wide(line));
  M_Etc.SetLines(lines);
}

void TTNQL_MAIN::SetBalloon(const std::u16string& title, const std::u16string& text) {
  TrayIcon.SetBalloon(ui::Wide(title), ui::Wide(text));
}

void TTNQL_MAIN::ShowBalloon() { TrayIcon.ShowBalloon(); }

void TTNQL_MAIN::PublishNowPlaying(const tonquil::TagBlock& tags) {
  tonquil::Win32MessengerWindows messengers;
  tonquil::SendNowPlaying(messengers,
                          tonquil::PublishInfo(tags[TagField::Title], tags[TagField::Artist], tags[TagField::Game]),
                          true);
}

std::u16string TTNQL_MAIN::ShownFile() const { return ui::FromWide(L_File.Text()); }

bool TTNQL_MAIN::SitsInTheTray() const { return !IsVisible(); }

bool TTNQL_MAIN::BalloonsSwitchedOff() const {
  return TNQL_OPTION != nullptr && TNQL_OPTION->C_NoTaskTrayPopup.IsChecked();
}

bool TTNQL_MAIN::MsnEnabledAtLoad() const { return TNQL_OPTION != nullptr && TNQL_OPTION->MsnEnabledAtLoad; }

void TTNQL_MAIN::ClearNowPlaying() {
  tonquil::Win32MessengerWindows messengers;
  tonquil::SendNowPlaying(messengers, tonquil::ClearInfo(), false);
}
