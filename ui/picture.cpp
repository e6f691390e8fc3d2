#include "ui/picture.h"

namespace ui {
namespace {

// The bitmap drawn at `width` × `height` with colours averaged over the pixels each new
// pixel covers, rather than pixels repeated unevenly.
HBITMAP Stretched(HBITMAP source, int width, int height) {
  BITMAP info{};
  GetObjectW(source, sizeof info, &info);
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
    BITMAP info{};
    GetObjectW(loaded, sizeof info, &info);
    const HBITMAP stretched = Stretched(loaded, ScaleForDpi(info.bmWidth, dpi()), ScaleForDpi(info.bmHeight, dpi()));
    DeleteObject(loaded);
    loaded = stretched;
  }
  SendMessageW(handle(), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(loaded));
  if (bitmap_ != nullptr) DeleteObject(bitmap_);
  bitmap_ = loaded;
}

}  // namespace ui
