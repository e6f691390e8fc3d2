#include "ui/win32/picture.h"

namespace ui {
namespace {

// The bitmap scaled from 96 DPI to `dpi`, with colours averaged over the pixels each new
// pixel covers, rather than pixels repeated unevenly.
HBITMAP Stretched(HBITMAP source, int dpi) {
  BITMAP info{};
  GetObjectW(source, sizeof info, &info);
  const int width = ScaleForDpi(info.bmWidth, dpi);
  const int height = ScaleForDpi(info.bmHeight, dpi);
  const HDC screen = GetDC(nullptr);
  const HDC from = CreateCompatibleDC(screen);
  const HDC to = CreateCompatibleDC(screen);
  const HBITMAP stretched = CreateCompatibleBitmap(screen, width, height);
  const HGDIOBJ old_from = SelectObject(from, source);
  const HGDIOBJ old_to = SelectObject(to, stretched);
  SetStretchBltMode(to, HALFTONE);
  SetBrushOrgEx(to, 0, 0, nullptr);
  StretchBlt(to, 0, 0, width, height, from, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
  SelectObject(to, old_to);
  SelectObject(from, old_from);
  DeleteDC(to);
  DeleteDC(from);
  ReleaseDC(nullptr, screen);
  return stretched;
}

}  // namespace

void Picture::SetBitmap(const wchar_t* resource_name) {
  auto loaded = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), resource_name, IMAGE_BITMAP, 0, 0, 0));
  if (loaded != nullptr && dpi() != kDesignDpi) {
    const HBITMAP stretched = Stretched(loaded, dpi());
    DeleteObject(loaded);
    loaded = stretched;
  }
  SendMessageW(handle(), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(loaded));
  if (bitmap_ != nullptr) DeleteObject(bitmap_);
  bitmap_ = loaded;
}

}  // namespace ui
