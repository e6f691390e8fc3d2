#pragma once
// Asking another process what only it can answer. Wine keeps a menu's items in the memory
// of the process that made it, so GetMenuItemInfoW answers only there; and a font handle
// means something only in the process that made it, so a caption can be measured in its
// control's font only there. The driver loads tqprobe.dll into that process, which answers
// the request written in a named shared block that the driver has prepared, and signals an
// event when it is done.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

namespace tqdriver {

constexpr size_t kProbeMaxItems = 64;
constexpr size_t kProbeTextLength = 128;
constexpr size_t kProbePathLength = 16;

enum ProbeRequest : UINT32 { kProbeReadMenu = 1, kProbeMeasureCaptions = 2, kProbeLoadLibrary = 3 };
enum ProbeStatus : INT32 { kProbePending = 0, kProbeDone = 1, kProbeUnreadable = -1, kProbeTooMany = -2 };

// One item of a popup menu.
struct ProbeItem {
  wchar_t path[kProbePathLength];  // "2.0": the first item of the third item's submenu
  UINT id;
  UINT type;   // MFT_*
  UINT state;  // MFS_*
  UINT has_submenu;
  wchar_t text[kProbeTextLength];
};

// The caption of one child window, measured on a device context of that window with the
// font the window uses (WM_GETFONT; the system font when it has none).
struct ProbeCaption {
  UINT64 window;            // the HWND, as a number
  INT32 extent_cx;          // the caption drawn on one line (DT_CALCRECT), in pixels
  INT32 extent_cy;
  INT32 check_box;          // width of the check box glyph: SM_CXMENUCHECK
  INT32 check_gap;          // the gap a button leaves between glyph and text: half a "0"
  INT32 font_height;        // the font's LOGFONT lfHeight and lfWeight
  INT32 font_weight;
  INT32 dpi;                // LOGPIXELSX of the window's device context
  wchar_t face[LF_FACESIZE];  // the face GetTextFaceW reports for the selected font
};

// A library loaded by name alone, as a system component in the program loads one: the
// name asked for, and the file the program's search found (empty when none).
struct ProbeLibrary {
  wchar_t name[MAX_PATH];
  wchar_t found[MAX_PATH];
};

struct ProbeBlock {
  UINT32 request;  // ProbeRequest
  INT32 status;    // ProbeStatus
  UINT64 target;   // the HMENU to read or the top-level HWND whose captions to measure
  UINT32 count;
  union {
    ProbeItem items[kProbeMaxItems];
    ProbeCaption captions[kProbeMaxItems];
    ProbeLibrary library;
  };
};

// The names of the block and the event for the process with this id.
inline std::wstring ProbeBlockName(DWORD pid) { return L"tqdriver-probe-" + std::to_wstring(pid); }
inline std::wstring ProbeDoneName(DWORD pid) { return L"tqdriver-probe-done-" + std::to_wstring(pid); }

// The driver's side: runs the request on target inside the process pid and returns the
// block as the probe left it; fails with kNotFound when the probe does not answer or
// reports a failure. `fill` writes what else the request needs into the block.
std::unique_ptr<ProbeBlock> RunProbe(DWORD pid, ProbeRequest request, UINT64 target,
                                     const std::function<void(ProbeBlock&)>& fill = nullptr);

// The probe's side, run inside the process: fill the block, set its status.
void ProbeReadMenu(ProbeBlock& block);
void ProbeMeasureCaptions(ProbeBlock& block);
void ProbeLoadLibrary(ProbeBlock& block);

}  // namespace tqdriver
