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

// Draws the call for element on target, a TBitmap or a device context: the
// primitives of that target are found by argument lookup where this is used.
template <class Target>
void DrawElementCall(Target& target, const TRect& rect, const TDataSkinObject& element, int frame, TElementPart part,
                     const TRect& margins) {
  using P = TElementCall::TPrimitive;
  const TElementCall c = ElementCall(element, part, margins);
  const TBitmap& image = element.Bitmap;
  switch (c.Primitive) {
    case P::Image: DrawSkinImage(target, rect, image, c.Vertical, c.Tile, c.Keyed, c.Frames, frame, c.Margins); break;
    case P::Strip: DrawSkinStrip(target, rect, image, c.Vertical, c.Keyed, c.Frames, frame, c.Margins); break;
    case P::Border: DrawSkinBorder(target, rect, image, c.Vertical, c.Frames, frame, c.Margins); break;
    case P::None: break;
  }
}

}  // namespace pelorin::paint_detail
