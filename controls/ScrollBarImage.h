// A scroll bar composed from the skin: background, track, two arrows and the
// thumb, in a picture as long as the bar and as thick as the skin's bar
// images, which the window code then stretches to the system's thickness.
#pragma once

#include "controls/ScrollGeometry.h"
#include "host/core/Bitmap.h"

namespace pelorin {

class TSkinModel;

// Skin bar images are drawn this thick whatever the system's bar size.
inline constexpr int SkinBarThickness = 16;

struct TBarLook {
  bool Vertical = false;
  int Length = 0;      // along the bar
  int ArrowSize = 0;   // the system's arrow size
  int PressedPart = ppNone;
  TBarMetrics Metrics;
};

// The skin has the arrow strip that all bar drawing needs.
bool HasBarImages(const TSkinModel& skin);

// The picture's rectangle: at the origin, Length along the bar.
TRect BarImageRect(const TBarLook& look);

// Composes the bar into target at BarImageRect (target is grown to hold it,
// never shrunk).
void ComposeBar(TBitmap& target, const TSkinModel& skin, const TBarLook& look);

}  // namespace pelorin
