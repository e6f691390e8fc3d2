#include "ui/dpi_scale.h"

#include <cstdint>

namespace ui {

int ScaleForDpi(int value, int dpi) {
  if (dpi <= 0) dpi = kDesignDpi;
  const std::int64_t product = static_cast<std::int64_t>(value) * dpi;
  const std::int64_t half = kDesignDpi / 2;
  const std::int64_t rounded = product >= 0 ? (product + half) / kDesignDpi : -((-product + half) / kDesignDpi);
  return static_cast<int>(rounded);
}

Bounds ScaleForDpi(const Bounds& bounds, int dpi) {
  return {ScaleForDpi(bounds.left, dpi), ScaleForDpi(bounds.top, dpi), ScaleForDpi(bounds.width, dpi),
          ScaleForDpi(bounds.height, dpi)};
}

}  // namespace ui
