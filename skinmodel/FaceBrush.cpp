// Lifetime of the face brush; the platform half creates and deletes handles.
#include "skinmodel/FaceBrush.h"

namespace pelorin {

void TFaceBrush::Recreate(TColor color) {
  Release();
  color_ = ColorToRGB(color);
  handle_ = CreatePlatformBrush(color_);
  exists_ = true;
}

void TFaceBrush::Release() {
  if (handle_) DeletePlatformBrush(handle_);
  handle_ = nullptr;
  exists_ = false;
}

}  // namespace pelorin
