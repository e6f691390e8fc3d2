#pragma once
// The session's ButtonPressed handler. The system calls it on a thread of its own: it only
// posts the button to the session's window, whose thread runs it. Agile, so that the
// system calls it directly from any thread.
#include <windows.h>

#include <atomic>

#include "nowplaying/win32/media_control_abi.h"

// Posted to the session's window: wParam is the tonquil::SessionButton.
constexpr UINT kSessionButtonMessage = WM_APP + 0x51;

class ButtonPressedHandler : public media_abi::IButtonPressedHandler {
 public:
  explicit ButtonPressedHandler(HWND window) : window_(window) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE Invoke(media_abi::ISystemMediaTransportControls* sender,
                                   media_abi::ISystemMediaTransportControlsButtonPressedEventArgs* args) override;

  // No more posts: the window is about to go. A call under way may still post one,
  // which then finds no window.
  void Detach() { window_.store(nullptr); }

 private:
  virtual ~ButtonPressedHandler() = default;

  std::atomic<ULONG> references_{1};
  std::atomic<HWND> window_;
};
