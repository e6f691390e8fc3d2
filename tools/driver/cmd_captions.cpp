// captions: every control of a top-level window that shows a caption (labels, buttons,
// check boxes, radio buttons, group boxes), its caption measured in the control's own font
// inside the program (see probe.h), and the room the control gives it: the control's width,
// less the check box glyph and its gap for check boxes and radio buttons.
#include <windows.h>

#include <map>

#include "command.h"
#include "output.h"
#include "probe.h"
#include "window_find.h"
#include "window_messages.h"

namespace tqdriver {
namespace {

int RoomFor(const std::wstring& kind, int width, const ProbeCaption& caption) {
  if (kind == L"check" || kind == L"radio") return width - caption.check_box - caption.check_gap;
  return width;
}

void PrintCaption(HWND top, const Control& control, const ProbeCaption& caption) {
  const std::wstring kind = ControlKind(control.window);
  const RECT rect = RectInClientOf(control.window, top);
  const int width = rect.right - rect.left;
  Record(L"caption")
      .Add(L"hwnd", HandleText(control.window))
      .Add(L"path", control.path)
      .Add(L"kind", kind)
      .Add(L"text", WindowText(control.window))
      .Add(L"width", width)
      .Add(L"room", RoomFor(kind, width, caption))
      .Add(L"extent", caption.extent_cx)
      .Add(L"line", caption.extent_cy)
      .Add(L"face", caption.face)
      .Add(L"height", caption.font_height)
      .Add(L"weight", caption.font_weight)
      .Add(L"dpi", caption.dpi)
      .Add(L"box", caption.check_box)
      .Add(L"gap", caption.check_gap)
      .Print();
}

void Captions(const Args& args) {
  HWND top = RequireTopLevel(args[0]);
  DWORD pid = 0;
  GetWindowThreadProcessId(top, &pid);
  const std::unique_ptr<ProbeBlock> block = RunProbe(pid, kProbeMeasureCaptions, reinterpret_cast<UINT_PTR>(top));
  std::map<UINT64, const ProbeCaption*> measured;
  for (UINT32 i = 0; i < block->count; ++i) measured[block->captions[i].window] = &block->captions[i];
  // In the order of the dump, so that paths read alike in both.
  for (const Control& control : Descendants(top)) {
    const auto found = measured.find(reinterpret_cast<UINT_PTR>(control.window));
    if (found != measured.end()) PrintCaption(top, control, *found->second);
  }
}

}  // namespace

const std::vector<Command>& CaptionCommands() {
  static const std::vector<Command> commands = {
      {L"captions", 1, 1, L"CLASS", Captions},
  };
  return commands;
}

}  // namespace tqdriver
