#include "ui/picture.h"

namespace ui {

void Picture::SetBitmap(const wchar_t* resource_name) {
  const auto loaded = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), resource_name, IMAGE_BITMAP, 0, 0, 0));
  SendMessageW(handle(), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(loaded));
  if (bitmap_ != nullptr) DeleteObject(bitmap_);
  bitmap_ = loaded;
}

}  // namespace ui
