#include "nowplaying/win32/button_pressed_handler.h"

#include <objidl.h>

#include <optional>

#include "nowplaying/media_session_values.h"

using media_abi::Button;
using tonquil::SessionButton;

namespace {

// The buttons that stand for the control panel's; the session offers no others.
std::optional<SessionButton> SessionButtonOf(Button button) {
  switch (button) {
    case Button::Play: return SessionButton::Play;
    case Button::Pause: return SessionButton::Pause;
    case Button::Stop: return SessionButton::Stop;
    case Button::Next: return SessionButton::Next;
    case Button::Previous: return SessionButton::Previous;
    default: return std::nullopt;
  }
}

}  // namespace

HRESULT STDMETHODCALLTYPE ButtonPressedHandler::QueryInterface(REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, media_abi::kIidButtonPressedHandler) ||
      IsEqualIID(iid, IID_IAgileObject)) {
    *object = static_cast<media_abi::IButtonPressedHandler*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE ButtonPressedHandler::AddRef() { return ++references_; }

ULONG STDMETHODCALLTYPE ButtonPressedHandler::Release() {
  const ULONG left = --references_;
  if (left == 0) delete this;
  return left;
}

HRESULT STDMETHODCALLTYPE ButtonPressedHandler::Invoke(
    media_abi::ISystemMediaTransportControls* sender,
    media_abi::ISystemMediaTransportControlsButtonPressedEventArgs* args) {
  (void)sender;
  if (args == nullptr) return E_POINTER;
  Button button{};
  if (FAILED(args->get_Button(&button))) return S_OK;
  const std::optional<SessionButton> session_button = SessionButtonOf(button);
  const HWND window = window_.load();
  if (session_button && window != nullptr) {
    PostMessageW(window, kSessionButtonMessage, static_cast<WPARAM>(*session_button), 0);
  }
  return S_OK;
}
