#pragma once
// The notification-area icon: shown only while the main window sits in the tray. It
// keeps its tip and its balloon's title and text, cut to the shell's limits, and adds
// itself again when the shell's task bar is made anew.
#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>

#include "ui/window.h"

class TTrayIcon : public ui::Window {
 public:
  TTrayIcon();
  ~TTrayIcon() override;

  void SetTip(const std::wstring& tip);
  // False when the shell would not take the icon; it then counts as not shown.
  bool SetVisible(bool visible);
  bool visible() const { return visible_; }

  void SetBalloon(const std::wstring& title, const std::wstring& text);
  const std::wstring& balloon_title() const { return balloon_title_; }
  const std::wstring& balloon_text() const { return balloon_text_; }
  void ShowBalloon();

  // Receives the mouse messages (WM_LBUTTONDBLCLK, WM_RBUTTONUP, ...) over the icon.
  void OnMouse(std::function<void(UINT)> handler) { on_mouse_ = std::move(handler); }

 private:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  NOTIFYICONDATAW IconData(UINT flags) const;

  UINT taskbar_created_;
  HICON icon_;
  std::wstring tip_;
  std::wstring balloon_title_;
  std::wstring balloon_text_;
  bool visible_ = false;
  std::function<void(UINT)> on_mouse_;
};
