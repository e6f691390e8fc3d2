// The automatic search for the module, asked and answered in message boxes owned by
// the options dialog; a port found is selected in the port list.
#include "device/module_search.h"
#include "settings/win32/option_dialog.h"
#include "settings/search_messages.h"
#include "text/win32/wide.h"

namespace {

UINT BoxFlags(tonquil::PromptKind kind) {
  switch (kind) {
    case tonquil::PromptKind::kAskYesNoDefaultNo: return MB_YESNO | MB_ICONINFORMATION | MB_DEFBUTTON2;
    case tonquil::PromptKind::kInformation: return MB_ICONINFORMATION;
    case tonquil::PromptKind::kError: break;
  }
  return MB_ICONERROR;
}

class MessageBoxPrompt : public tonquil::SearchPrompt {
 public:
  explicit MessageBoxPrompt(HWND owner) : owner_(owner) {}

  bool ConfirmSearch() override { return Show(tonquil::kSearchQuestion, tonquil::kSearchQuestion.text) == IDYES; }
  void ReportFound(const std::u16string& port) override {
    Show(tonquil::kSearchFound, tonquil::FoundText(port));
  }
  void ReportNotFound() override { Show(tonquil::kSearchNotFound, tonquil::kSearchNotFound.text); }

 private:
  int Show(const tonquil::PromptText& box, std::u16string_view text) const {
    return MessageBoxW(owner_, ui::Wide(text).c_str(), ui::Wide(box.title).c_str(), BoxFlags(box.kind));
  }
  HWND owner_;
};

}  // namespace

void TTNQL_OPTION::B_SearchZurvaClick() {
  MessageBoxPrompt prompt(handle());
  tonquil::PortLink probe(main_link_.api());
  const std::optional<std::u16string> found = tonquil::SearchForModule(probe, main_link_.HeldPortName(), prompt);
  if (found) SelectPort(ui::Wide(*found));
}
