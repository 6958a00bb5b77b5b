// Destructors of the element records: images are emptied before release so a
// platform-backed pixel store is given back at a known point.
#include "skinmodel/SkinRecords.h"

namespace pelorin {

TDataSkinObject::~TDataSkinObject() { Bitmap.Clear(); }

TDataSkinBorder::~TDataSkinBorder() { Bitmap2.Clear(); }

TDataSkinButton::~TDataSkinButton() {
  CheckBitmap.Clear();
  RadioBitmap.Clear();
}

}  // namespace pelorin
