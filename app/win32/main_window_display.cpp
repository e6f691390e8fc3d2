// The main window as the display of the module's reports: which control shows what.
#include "app/win32/main_window.h"
#include "nowplaying/now_playing_info.h"
#include "nowplaying/now_playing_send.h"
#include "nowplaying/win32/win32_messenger_windows.h"
#include "text/win32/wide.h"

using tonquil::StatusLabel;
using tonquil::TagField;

template <class Self>
auto& TTNQL_MAIN::StatusLabelFor(Self& self, StatusLabel label) {
  switch (label) {
    case StatusLabel::Pause: return self.L_Pause;
    case StatusLabel::Speed: return self.L_Speed;
    case StatusLabel::Loop: return self.L_Loop;
    case StatusLabel::Repeat: return self.L_Repeat;
    case StatusLabel::File: break;
  }
  return self.L_File;
}

template <class Self>
auto& TTNQL_MAIN::TagFieldFor(Self& self, TagField field) {
  switch (field) {
    case TagField::Title: return self.E_Tag_Title;
    case TagField::Artist: return self.E_Tag_Artist;
    case TagField::Game: return self.E_Tag_Game;
    case TagField::Year: return self.E_Tag_Year;
    case TagField::Genre: return self.E_Tag_Genre;
    case TagField::Comment: return self.E_Tag_Comment;
    case TagField::Copyright: return self.E_Tag_Copyright;
    case TagField::S98By: return self.E_Tag_S98By;
    case TagField::System: break;
  }
  return self.E_Tag_System;
}

void TTNQL_MAIN::SetStatus(StatusLabel label, const std::u16string& text) {
  StatusLabelFor(*this, label).SetText(ui::Wide(text));
}

std::u16string TTNQL_MAIN::Status(StatusLabel label) const {
  return ui::FromWide(StatusLabelFor(*this, label).Text());
}

void TTNQL_MAIN::SetTag(TagField field, const std::u16string& text) { TagFieldFor(*this, field).SetText(ui::Wide(text)); }

std::u16string TTNQL_MAIN::Tag(TagField field) const {
  return ui::FromWide(TagFieldFor(*this, field).Text());
}

void TTNQL_MAIN::ClearTagFields() {
  for (TagField field : {TagField::Title, TagField::Artist, TagField::Game, TagField::Year, TagField::Genre,
                         TagField::Comment, TagField::Copyright, TagField::S98By, TagField::System}) {
    TagFieldFor(*this, field).SetText(L"");
  }
}

void TTNQL_MAIN::ClearEtc() { M_Etc.Clear(); }

void TTNQL_MAIN::AppendEtc(const std::u16string& line) { M_Etc.AppendLine(ui::Wide(line)); }

void TTNQL_MAIN::SetBalloon(const std::u16string& title, const std::u16string& text) {
  TrayIcon.SetBalloon(ui::Wide(title), ui::Wide(text));
}

void TTNQL_MAIN::ShowBalloon() { TrayIcon.ShowBalloon(); }

bool TTNQL_MAIN::SitsInTheTray() const { return !IsVisible(); }

bool TTNQL_MAIN::BalloonsSwitchedOff() const {
  return TNQL_OPTION != nullptr && TNQL_OPTION->C_NoTaskTrayPopup.IsChecked();
}

bool TTNQL_MAIN::MsnEnabledAtLoad() const { return TNQL_OPTION != nullptr && TNQL_OPTION->MsnEnabledAtLoad; }

void TTNQL_MAIN::PublishNowPlaying() {
  tonquil::Win32MessengerWindows messengers;
  tonquil::SendNowPlaying(messengers,
                          tonquil::PublishInfo(Tag(TagField::Title), Tag(TagField::Artist), Tag(TagField::Game)),
                          true);
}

void TTNQL_MAIN::ClearNowPlaying() {
  tonquil::Win32MessengerWindows messengers;
  tonquil::SendNowPlaying(messengers, tonquil::ClearInfo(), false);
}
