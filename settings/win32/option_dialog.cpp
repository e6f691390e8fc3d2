#include "settings/win32/option_dialog.h"

#include "ui/app_identity.h"
#include "device/port_names.h"
#include "settings/option_values.h"
#include "ui/win32/application.h"
#include "text/win32/wide.h"

TTNQL_OPTION* TNQL_OPTION = nullptr;

namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr int kClientWidth = 529;
constexpr int kClientHeight = 161;
constexpr COLORREF kAboutText = RGB(255, 255, 255);
constexpr COLORREF kLinkHover = RGB(255, 0, 0);

}  // namespace

TTNQL_OPTION::TTNQL_OPTION(HWND owner, tonquil::PortLink& main_link)
    : owner_(owner), main_link_(main_link), font_(L"Tahoma", -11), bold_font_(L"Tahoma", -11, FW_BOLD) {
  Shape1.SetFill(RGB(0, 0, 0));
  for (const std::u16string& name : tonquil::PortNames()) CB_COM.AddItem(ui::Wide(name));
}

// Made when first shown rather than at the main window's first showing: the program
// reads only the values, which the controls keep until then, and a top-level window
// with its controls is a good part of the time before the main window appears.
void TTNQL_OPTION::MakeWindow() {
  CreateTopLevel({L"TTNQL_OPTION", kStyle, WS_EX_DLGMODALFRAME, kClientWidth, kClientHeight}, owner_);
  SetCaption(L"設定");
  ScaleFonts(dpi());
  ui::CreateControls(*this, handle(), kLayout, font_.handle(), dpi());
  SetUpAboutPanel();
  FitAboutPanel();
}

void TTNQL_OPTION::ScaleFonts(int dpi) {
  font_.ScaleTo(dpi);
  bold_font_.ScaleTo(dpi);
}

void TTNQL_OPTION::LayOutForDpi(int dpi) {
  ScaleFonts(dpi);
  ui::PlaceControls(*this, kLayout, font_.handle(), dpi);
  FitAboutPanel();
}

void TTNQL_OPTION::SetUpAboutPanel() {
  for (ui::Label* label : {&L_AppName, &L_02}) label->SetColors(kAboutText, Shape1.brush());
  for (TURLLink* link : {&L_URL01, &L_URL02}) {
    link->SetColors(kAboutText, Shape1.brush());
    link->SetLinkColor(kLinkHover);
    link->SetEnableShowHint(false);
    link->SetURLtype(tonquil::tpURL);
  }
  L_URL01.SetLink(tonquil::kMakerWebAddress);
  L_URL02.SetLink(std::wstring(L"mailto:") + tonquil::kMakerMailAddress);
  L_AppName.SetText(ui::Application::Instance().title());
}

// What depends on the DPI in the about panel: the title's bold font, the labels sized
// to their text, and the bitmap.
void TTNQL_OPTION::FitAboutPanel() {
  // The maker's name and addresses are whatever they are; their labels take the width
  // of their text rather than wrap and clip it.
  for (ui::Label* label : {static_cast<ui::Label*>(&L_02), static_cast<ui::Label*>(&L_URL01),
                           static_cast<ui::Label*>(&L_URL02)}) {
    label->FitToText();
  }
  SendMessageW(L_AppName.handle(), WM_SETFONT, reinterpret_cast<WPARAM>(bold_font_.handle()), FALSE);
  L_AppName.FitToText();
  Image1.SetBitmap(L"ABOUT_BITMAP");
}

void TTNQL_OPTION::LoadOptions(const tonquil::TMemIniFile& settings) {
  const tonquil::OptionValues values = tonquil::ReadOptionValues(settings);
  MoveTo(values.position.left, values.position.top);
  C_NoTaskTray.SetChecked(values.no_task_tray);
  C_NoTaskTrayPopup.SetChecked(values.no_task_tray_popup);
  C_MSN.SetChecked(values.msn);
  C_MediaKeys.SetChecked(values.media_keys);
  MsnEnabledAtLoad = C_MSN.IsChecked();
  SelectPort(ui::Wide(values.com_port));
}

// Every item whose text equals the name exactly becomes the selection; with no such
// item the selection stays as it was.
void TTNQL_OPTION::SelectPort(const std::wstring& name) {
  for (int i = 0; i < CB_COM.Count(); ++i) {
    if (CB_COM.ItemText(i) == name) CB_COM.Select(i);
  }
}

void TTNQL_OPTION::SaveOptions(tonquil::SettingsSession& settings) {
  const POINT place = Position();
  tonquil::OptionValues values;
  values.position = {place.x, place.y};
  values.com_port = ui::FromWide(CB_COM.SelectedText());
  values.no_task_tray = C_NoTaskTray.IsChecked();
  values.no_task_tray_popup = C_NoTaskTrayPopup.IsChecked();
  values.msn = C_MSN.IsChecked();
  values.media_keys = C_MediaKeys.IsChecked();
  settings.Save([&](tonquil::TMemIniFile& document) { tonquil::WriteOptionValues(document, values); });
}

void TTNQL_OPTION::ShowModal() {
  if (handle() == nullptr) MakeWindow();
  ui::Application::Instance().RunModal(handle(), owner_);
}

void TTNQL_OPTION::B_CloseClick() { ui::Application::Instance().EndModal(handle()); }

void TTNQL_OPTION::C_MediaKeysClick() {
  if (media_keys_changed_) media_keys_changed_();
}

LRESULT TTNQL_OPTION::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  LRESULT result = 0;
  if (ui::HandleLayoutMessage(*this, kLayout, message, wparam, lparam, result)) return result;
  switch (message) {
    case WM_CLOSE:
      // Disabled, the dialog has one of the search's message boxes over it, whose
      // handler goes on with this dialog when the box returns. Ending the showing now
      // would give the main window back, whose close destroys the dialog under it. The
      // request is refused, as the main window refuses it.
      if (!IsWindowEnabled(handle())) return 0;
      ui::Application::Instance().EndModal(handle());
      return 0;
    case WM_COMMAND:
      // Esc: the dialog closes as its close box closes it.
      if (wparam == IDCANCEL) SendMessageW(handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
      return 0;
    default:
      break;
  }
  return Window::HandleMessage(message, wparam, lparam);
}
