// Fuzz target: the control skinners' arithmetic from hostile integers: scroll
// values, ranges and styles of any value, geometry of any size a window has.
// Scroll-bar rectangles, thumbs, hit tests and drags; tab page, strip and item
// rectangles; combo and sunken-edge rectangles; progress fills, track-bar
// thumbs, status panels, up-down halves and check-box placement. Each must
// stay inside what it was given and never overflow.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "controls/ComboLayout.h"
#include "controls/RangeControls.h"
#include "controls/ScrollGeometry.h"
#include "controls/StatusPanels.h"
#include "controls/TabLayout.h"
#include "controls/ToggleBox.h"
#include "controls/UpDownLayout.h"
#include "fuzz/SkinInput.h"

using namespace pelorin;

namespace {

using fuzzing::Check;

// Integers taken from the input in turn; zero once it runs out.
class TInts {
public:
  TInts(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  int32_t Next() {
    int32_t v = 0;
    const size_t n = size_ - pos_ < 4 ? size_ - pos_ : 4;
    std::memcpy(&v, data_ + pos_, n);
    pos_ += n;
    return v;
  }
  // Window geometry: any value a window can have (the system keeps sizes
  // and coordinates within 16 bits); what controls report stays unbounded.
  int32_t Small() { return Next() % 32768; }
  TRect Rect4() { return {Small(), Small(), Small(), Small()}; }

private:
  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
};

bool Inside(const TRect& inner, const TRect& outer) {
  return inner.Left >= outer.Left && inner.Top >= outer.Top && inner.Right <= outer.Right &&
         inner.Bottom <= outer.Bottom;
}

void ScrollBars(TInts& in) {
  TBarFrame frame{in.Rect4(), in.Next() % 2 != 0, in.Next() % 2 != 0, in.Next() % 2 != 0, in.Small()};
  ComputeBarRects(frame);
  const TScrollValues values{in.Next(), in.Next(), uint32_t(in.Next()), in.Next(), in.Next()};
  TBarMetrics m;
  if (ComputeThumb(in.Small(), in.Small(), in.Small(), in.Small(), values, m)) {
    Check(m.ThumbLength >= 0 && m.ThumbOffset >= 0);
    HitTestBar(in.Next(), m);
    const int top = MaxScrollPos(values);
    if (values.Min <= values.Max) {
      Check(top >= values.Min);
      const TThumbPlace place = DragThumb(in.Small(), int64_t(in.Next()) * in.Next(), m, values);
      Check(place.Pos >= values.Min && place.Pos <= top);
    }
  }
  for (int code = -2; code < 10; ++code) ArrowFrame(code % 2 != 0, code > 4, PressedPartFor(code % 2 == 0, code));
  MulDiv64(in.Next(), in.Next(), in.Next());
}

void Tabs(TInts& in) {
  const TTabSide side = TabSideFromStyle(uint32_t(in.Next()));
  const TRect client = in.Rect4();
  const TRect page = TabPageRect(side, in.Rect4());
  const TRect strip = TabStripRect(side, client, page);
  const TPoint size = TabStripBufferSize(side, strip);
  Check(size.X >= 0 && size.Y >= 0);
  TabInStrip(side, in.Rect4(), strip);
}

void Combos(TInts& in) {
  const TRect rect = in.Rect4();
  const TRect button = ComboButtonRect(rect, in.Small());
  ComboArrowRect(button, rect, in.Small(), in.Small());
  const TRect frame = in.Rect4();
  // Hostile margins never take a piece's source outside its frame.
  for (const TSlicePiece& piece : SunkEdgePieces(rect, in.Small(), frame, in.Rect4()))
    Check(frame.IsEmpty() || piece.Source.IsEmpty() || Inside(piece.Source, frame));
  SunkEdgeThickness(in.Next());
}

void RangesAndPanels(TInts& in) {
  const TRect trough = in.Rect4();
  const TRect fill = ProgressFill(trough, in.Next(), in.Next(), in.Next(), in.Next() % 2 != 0);
  if (!trough.IsEmpty() && !fill.IsEmpty()) Check(Inside(fill, trough));
  SkinThumbRect(in.Rect4(), in.Rect4());
  TrackBarCustomDraw(uint32_t(in.Next()), uintptr_t(uint32_t(in.Next())));
  PanelFrameOfBevel(in.Next());
  PanelFrameOfDrawFlags(unsigned(in.Next()));
  PlacePanelText(in.Rect4(), {in.Small(), in.Small()}, AlignmentFormat(in.Next()));
  TUpDownFacts facts;
  facts.Horizontal = in.Next() % 2 != 0;
  facts.Pressed = in.Next() % 2 != 0;
  facts.Cursor = {in.Next(), in.Next()};
  for (const TUpDownPart& part : UpDownParts({in.Small(), in.Small()}, facts)) (void)part;
  const TRect row = in.Rect4();
  const bool right = in.Next() % 2 != 0;
  const TRect box = ToggleBoxRect(row, in.Small(), in.Small(), right);
  ToggleCoverRect(row, box, right);
  CheckBoxFrame(unsigned(in.Next()), in.Next() % 2 != 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TInts in(data, size);
  ScrollBars(in);
  Tabs(in);
  Combos(in);
  RangesAndPanels(in);
  return 0;
}
