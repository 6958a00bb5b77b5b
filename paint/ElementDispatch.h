// Which painting primitive, with which arguments, an element call stands for:
// worked out once for the TBitmap and the device-context variants so they
// cannot disagree. Internal to the element calls.
#pragma once

#include <cstdint>

#include "host/core/Geometry.h"
#include "skinmodel/SkinRecords.h"

namespace pelorin::paint_detail {

// The part of an element a call draws.
enum class TElementPart : uint8_t {
  Whole,  // as the style slices it
  Ring,   // the border ring only, opaque
  Frame,  // the frame stretched whole
};

struct TElementCall {
  enum class TPrimitive : uint8_t { None, Image, Strip, Border };
  TPrimitive Primitive = TPrimitive::None;  // None: the element has no image
  bool Vertical = false;
  bool Tile = false;
  bool Keyed = false;
  int Frames = 1;
  TRect Margins;
};

TElementCall ElementCall(const TDataSkinObject& element, TElementPart part, const TRect& margins);

}  // namespace pelorin::paint_detail
