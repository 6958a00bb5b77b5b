// Progress bars and track bars: how much of the trough a progress bar
// fills, and what a skinned track bar answers at each custom-draw stage.
#pragma once

#include <cstdint>

#include "host/core/Geometry.h"

namespace pelorin {

// The filled part of trough for position in [min, max]: from the left, or
// from the bottom for a vertical bar. Computed in 64 bits; position is
// clamped to the range, and an empty or inverted range fills nothing.
TRect ProgressFill(const TRect& trough, int min, int max, int position, bool vertical);

// The custom-draw stages and items of a track bar, and its answers.
enum : uint32_t { cddsPrePaint = 1, cddsItemPrePaint = 0x10001 };
enum : uintptr_t { tbcdTics = 1, tbcdThumb = 2, tbcdChannel = 3 };
enum : int32_t { cdrfDoDefault = 0, cdrfSkipDefault = 4, cdrfNotifyItemDraw = 0x20 };

struct TCustomDrawAnswer {
  int32_t Result = cdrfDoDefault;
  bool DrawThumb = false;  // the skin draws the thumb before answering
};
// The channel and the tics stay the system's; only the thumb is the skin's.
TCustomDrawAnswer TrackBarCustomDraw(uint32_t stage, uintptr_t item);

// The thumb as the skin draws it: the system's thumb rectangle kept inside
// the client area; empty when nothing of it is left.
TRect SkinThumbRect(const TRect& thumb, const TRect& client);

}  // namespace pelorin
