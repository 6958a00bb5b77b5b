// The face brush as a GDI solid brush.
#include <windows.h>

#include "skinmodel/FaceBrush.h"

namespace pelorin {

void* TFaceBrush::CreatePlatformBrush(TColor rgb) {
  return CreateSolidBrush(static_cast<COLORREF>(rgb));
}

void TFaceBrush::DeletePlatformBrush(void* handle) { DeleteObject(static_cast<HBRUSH>(handle)); }

}  // namespace pelorin
