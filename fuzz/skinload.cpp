// Fuzz target: the whole skin load (archive, description, bitmaps), then
// every element drawn by its style; the input's form is described in
// SkinInput.h.
#include <cstddef>
#include <cstdint>

#include "fuzz/SkinInput.h"
#include "paint/DrawElement.h"
#include "skinmodel/SkinModel.h"
#include "skinmodel/SkinRules.h"

using namespace pelorin;

namespace {

using fuzzing::Check;

void Touch(const TDataSkinObject* r) {
  if (!r) return;
  // Every frame of every image must be addressable with the counts the model gives.
  const int fw = SafeFrameWidth(r->Bitmap.Width(), r->FrameCount);
  if (fw > 0 && r->Bitmap.Height() > 0) {
    volatile uint32_t sink = r->Bitmap.ScanLine(r->Bitmap.Height() - 1)[fw * r->FrameCount - 1];
    (void)sink;
  }
  Check(r->FrameCount >= 1 && r->FrameCount <= MaxElementFrames);
  Check(r->Style.Frames >= 1 && r->Style.Frames <= MaxElementFrames);
  // Whatever the style says, drawing it stays inside the target.
  static TBitmap target(37, 23);
  for (int frame : {0, 1, 2, r->Style.Frames + 1}) {
    DrawElement(target, {-5, 3, 30, 40}, *r, frame);
    DrawElementRing(target, {1, 1, 36, 22}, *r, frame);
    DrawElementFrame(target, {2, -4, 9, 7}, *r, frame);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TSkinModel model;
  if (!fuzzing::LoadSkinFromInput(data, size, model)) return 0;
  for (int i = bdLeft; i <= bdBottom; ++i) Touch(model.Borders[i]);
  Touch(model.Title.get());
  Touch(model.Buttons.get());
  for (const auto& b : model.SysButtons) Touch(b.get());
  for (const auto& r : model.OptionalRecords()) Touch(r.Record);
  return 0;
}
