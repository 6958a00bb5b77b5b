// Without GDI the face brush is only its colour.
#include "skinmodel/FaceBrush.h"

namespace pelorin {

void* TFaceBrush::CreatePlatformBrush(TColor) { return nullptr; }
void TFaceBrush::DeletePlatformBrush(void*) {}

}  // namespace pelorin
