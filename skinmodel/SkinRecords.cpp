// Element records: fixed styles of records made without a parse, and
// destructors that empty images before release so a platform-backed pixel
// store is given back at a known point.
#include "skinmodel/SkinRecords.h"

#include "skinmodel/SkinRules.h"

namespace pelorin {

TDataSkinObject::~TDataSkinObject() { Bitmap.Clear(); }

TDataSkinTitle::TDataSkinTitle(std::string name) : TDataSkinObject(std::move(name)) { Style = TitleStyle(); }

TDataSkinBorder::~TDataSkinBorder() { Bitmap2.Clear(); }

TDataSkinButton::~TDataSkinButton() {
  CheckBitmap.Clear();
  RadioBitmap.Clear();
}

}  // namespace pelorin
