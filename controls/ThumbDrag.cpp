#include "controls/ThumbDrag.h"

#include <algorithm>

namespace pelorin {

int RunThumbDrag(TDragMessageSource& source, const TDragStart& start) {
  int lastPos = std::clamp(start.Values.Pos, start.Values.Min, MaxScrollPos(start.Values));
  int lastOffset = start.Metrics.ThumbOffset;
  for (;;) {
    const TDragEvent e = source.Next();
    switch (e.Kind) {
      case TDragEventKind::Gone:
        return lastPos;
      case TDragEventKind::Release:
      case TDragEventKind::Abort:
        source.Finish(lastPos);
        return lastPos;
      case TDragEventKind::Move: {
        const int64_t delta = start.Vertical ? int64_t(e.Screen.Y) - start.Screen.Y : int64_t(e.Screen.X) - start.Screen.X;
        const TThumbPlace place = DragThumb(start.Metrics.ThumbOffset, delta, start.Metrics, start.Values);
        if (place.Pos != lastPos || place.Offset != lastOffset) source.Track(place.Offset, place.Pos, place.Pos != lastPos);
        lastPos = place.Pos;
        lastOffset = place.Offset;
        break;
      }
    }
  }
}

}  // namespace pelorin
