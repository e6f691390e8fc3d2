#pragma once
// The options dialog. Its controls are the live store of the options: the rest of the
// program reads them when it needs them. One dialog lives from the main window's
// first showing to its close; closing the dialog only hides it. Its window is made
// when it is first shown; until then the controls keep their values themselves.
#include <functional>

#include "device/port_link.h"
#include "settings/settings_session.h"
#include "ui/win32/button.h"
#include "ui/win32/check_box.h"
#include "ui/win32/combo_box.h"
#include "ui/win32/font.h"
#include "ui/win32/label.h"
#include "ui/win32/layout.h"
#include "ui/win32/picture.h"
#include "ui/win32/shape.h"
#include "ui/win32/window.h"
#include "widgets/win32/urllink.h"

class TTNQL_OPTION : public ui::Window {
 public:
  // `main_link` is the main window's port link: the search never touches the port it
  // holds and probes with a link of its own.
  TTNQL_OPTION(HWND owner, tonquil::PortLink& main_link);

  ui::ComboBox CB_COM;
  ui::CheckBox C_NoTaskTray, C_NoTaskTrayPopup, C_MSN;
  // The media keys drive the module; a change takes effect at once.
  ui::CheckBox C_MediaKeys;
  ui::Shape Shape1;
  ui::Label L_AppName, L_01, L_02;
  ui::Picture Image1;
  TURLLink L_URL01, L_URL02;
  ui::Button B_Close, B_SearchZurva;
  // The state of C_MSN right after LoadOptions; fixed for the run.
  bool MsnEnabledAtLoad = false;

  void B_CloseClick();
  void B_SearchZurvaClick();
  void C_MediaKeysClick();
  // Called whenever C_MediaKeys is ticked or cleared by the user.
  void OnMediaKeysChange(std::function<void()> changed) { media_keys_changed_ = std::move(changed); }
  void LoadOptions(const tonquil::TMemIniFile& settings);
  void SaveOptions(tonquil::SettingsSession& settings);
  // Shows the dialog modally over its owner until it is closed.
  void ShowModal();

 private:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  void MakeWindow();
  void LayOutForDpi(int dpi) override;
  void ScaleFonts(int dpi);
  void SetUpAboutPanel();
  void FitAboutPanel();
  void SelectPort(const std::wstring& name);

  static const ui::Layout<TTNQL_OPTION> kLayout;

  HWND owner_;
  tonquil::PortLink& main_link_;
  std::function<void()> media_keys_changed_;
  ui::Font font_;
  ui::Font bold_font_;
};

// The process-wide reference to the options dialog, set while it exists.
extern TTNQL_OPTION* TNQL_OPTION;
