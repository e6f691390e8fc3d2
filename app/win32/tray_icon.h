#pragma once
// The notification-area icon: shown only while the main window sits in the tray. It
// keeps its tip and its balloon's title and text, cut to the shell's limits, and adds
// itself again when the shell's task bar is made anew. Its window is the icon's: it
// refuses another program's request to close it.
#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>

#include "app/tray_event.h"
#include "ui/win32/window.h"

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

  // Receives what the user asks of the icon, by mouse or keyboard, and the news that
  // a new task bar would not take the icon back.
  void OnRequest(std::function<void(const tonquil::TrayRequest&)> handler) { on_request_ = std::move(handler); }
  // Hands the keyboard focus back to the notification area, once the icon's menu is
  // done with.
  void ReturnFocus();

 private:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  NOTIFYICONDATAW IconData(UINT flags) const;
  bool Add();

  UINT taskbar_created_;
  HICON icon_;
  std::wstring tip_;
  std::wstring balloon_title_;
  std::wstring balloon_text_;
  bool visible_ = false;
  int version_ = 0;  // the notification layout the shell accepted for the icon
  std::function<void(const tonquil::TrayRequest&)> on_request_;
};
