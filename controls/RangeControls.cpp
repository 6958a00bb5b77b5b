#include "controls/RangeControls.h"

#include <algorithm>
#include <cstdint>

namespace pelorin {

TRect ProgressFill(const TRect& trough, int min, int max, int position, bool vertical) {
  const int64_t span = int64_t{max} - min;
  const int64_t done = std::clamp(int64_t{position}, int64_t{min}, std::max(int64_t{min}, int64_t{max})) - min;
  const int64_t length = std::clamp<int64_t>(vertical ? int64_t{trough.Bottom} - trough.Top
                                                      : int64_t{trough.Right} - trough.Left,
                                             0, INT32_MAX);
  // done <= span < 2^32 and length < 2^31: the product fits in 64 bits, and
  // the filled length never passes length.
  const int64_t filled = span <= 0 ? 0 : done * length / span;
  if (vertical) return {trough.Left, static_cast<int>(trough.Bottom - filled), trough.Right, trough.Bottom};
  return {trough.Left, trough.Top, static_cast<int>(trough.Left + filled), trough.Bottom};
}

TCustomDrawAnswer TrackBarCustomDraw(uint32_t stage, uintptr_t item) {
  if (stage == cddsPrePaint) return {cdrfNotifyItemDraw, false};
  if (stage == cddsItemPrePaint && item == tbcdThumb) return {cdrfSkipDefault, true};
  return {cdrfDoDefault, false};
}

TRect SkinThumbRect(const TRect& thumb, const TRect& client) {
  const TRect r{std::max(thumb.Left, client.Left), std::max(thumb.Top, client.Top),
                std::min(thumb.Right, client.Right), std::min(thumb.Bottom, client.Bottom)};
  if (r.Right <= r.Left || r.Bottom <= r.Top) return {};
  return r;
}

}  // namespace pelorin
