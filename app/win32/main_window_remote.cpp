// The main window carrying out the command words of a new start: each word does what a
// click on its control does, refused as that click would be while the control or the
// whole window is disabled.
#include "app/status_json.h"
#include "app/win32/main_window.h"
#include "app/win32/remote_protocol.h"
#include "text/win32/wide.h"

using tonquil::ButtonAction;
using tonquil::RemoteWord;
namespace remote_exit = tonquil::remote_exit;

namespace {

constexpr UINT kStatusReplyTimeoutMs = 2000;

int DoneIf(bool done) { return done ? remote_exit::kDone : remote_exit::kCouldNotAct; }

}  // namespace

ui::Button& TTNQL_MAIN::ButtonFor(ButtonAction action) {
  switch (action) {
    case ButtonAction::NextSong: return B_NextSong;
    case ButtonAction::PrevSong: return B_PrevSong;
    case ButtonAction::Play: return B_Play;
    case ButtonAction::PrevDir: return B_PrevDir;
    case ButtonAction::NextDir: return B_NextDir;
    case ButtonAction::Pause: return B_Pause;
    case ButtonAction::Speed: return B_Speed;
    case ButtonAction::Loop: return B_Loop;
    case ButtonAction::Repeat: return B_Repeat;
    case ButtonAction::Reset: break;
  }
  return B_Reset;
}

LRESULT TTNQL_MAIN::RemoteRequest(HWND reply_to, const COPYDATASTRUCT* data) {
  if (data == nullptr) return FALSE;
  const std::optional<RemoteWord> word = tonquil::RequestedWord(*data);
  // Anything else is another program's business: no answer, nothing done.
  if (!word || *word == RemoteWord::Help) return FALSE;
  return tonquil::RemoteAnswer(CarryOut(*word, reply_to));
}

int TTNQL_MAIN::CarryOut(RemoteWord word, HWND reply_to) {
  // A modal window or message box is up (the window is disabled), or the close work
  // has run: only what changes nothing behind it goes on.
  if ((released_ || !IsWindowEnabled(handle())) && !tonquil::ActsUnderModalWindow(word)) {
    return remote_exit::kCouldNotAct;
  }
  if (const std::optional<ButtonAction> action = tonquil::ButtonOf(word)) {
    if (!ButtonFor(*action).IsEnabled()) return remote_exit::kCouldNotAct;
    exchange_.Run(*action);
    return remote_exit::kDone;
  }
  switch (word) {
    case RemoteWord::Open:
      if (!B_Open.IsEnabled()) return remote_exit::kCouldNotAct;
      B_OpenClick();
      return DoneIf(link_.HoldsPort());
    case RemoteWord::Close:
      if (!B_Close.IsEnabled()) return remote_exit::kCouldNotAct;
      B_CloseClick();
      return DoneIf(!link_.HoldsPort());
    case RemoteWord::Show:
      BringToFront();
      return remote_exit::kDone;
    case RemoteWord::Tray:
      // As minimising does: to the tray, or to the task bar when the options say so.
      if (IsVisible()) ShowWindow(handle(), SW_MINIMIZE);
      return remote_exit::kDone;
    case RemoteWord::Exit: {
      const HWND window = handle();
      SendMessageW(window, WM_CLOSE, 0, 0);
      return DoneIf(!IsWindow(window));
    }
    case RemoteWord::Status:
      return DoneIf(SendStatus(reply_to));
    default:
      return remote_exit::kCouldNotAct;
  }
}

void TTNQL_MAIN::BringToFront() {
  if (!IsVisible()) {
    PM_ShowClick();
    return;
  }
  if (IsIconic(handle())) SendMessageW(handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
  // A modal window over this one is what the user must see.
  SetForegroundWindow(GetLastActivePopup(handle()));
}

tonquil::DisplayStatus TTNQL_MAIN::CurrentStatus() {
  tonquil::DisplayStatus status;
  status.open = link_.HoldsPort();
  status.lost = link_.IsLost();
  status.port = status.open || TNQL_OPTION == nullptr ? link_.HeldPortName()
                                                      : ui::FromWide(TNQL_OPTION->CB_COM.SelectedText());
  status.pause = ui::FromWide(L_Pause.Text());
  status.speed = ui::FromWide(L_Speed.Text());
  status.loop = ui::FromWide(L_Loop.Text());
  status.repeat = ui::FromWide(L_Repeat.Text());
  status.file = ui::FromWide(L_File.Text());
  for (tonquil::TagField field : tonquil::kTagFields) {
    status.tags[field] = ui::FromWide(TagFieldFor(field).Text());
  }
  status.firmware = ui::FromWide(M_Etc.Text());
  return status;
}

bool TTNQL_MAIN::SendStatus(HWND reply_to) {
  if (reply_to == nullptr || !IsWindow(reply_to)) return false;
  std::string json = tonquil::StatusJson(CurrentStatus());
  COPYDATASTRUCT data{tonquil::kRemoteStatusTag, static_cast<DWORD>(json.size()), json.data()};
  DWORD_PTR result = 0;
  // SMTO_BLOCK: no other request runs nested while the reply waits.
  return SendMessageTimeoutW(reply_to, WM_COPYDATA, reinterpret_cast<WPARAM>(handle()),
                             reinterpret_cast<LPARAM>(&data), SMTO_BLOCK | SMTO_ABORTIFHUNG, kStatusReplyTimeoutMs,
                             &result) != 0 &&
         result != 0;
}
