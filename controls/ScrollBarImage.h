// A scroll bar composed from the skin: background, track, two arrows and the
// thumb, drawn as thick as the skin's bar images and then stretched across
// to the bar's real thickness (nearest pixel), ready for one plain blit.
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
  int Thickness = SkinBarThickness;  // across the bar, on the screen
  friend bool operator==(const TBarLook&, const TBarLook&) = default;
};

// The skin has the arrow strip that all bar drawing needs.
bool HasBarImages(const TSkinModel& skin);

// The picture's rectangle: at the origin, Length along the bar, Thickness across.
TRect BarImageRect(const TBarLook& look);

// Composes the bar into target at BarImageRect (target is grown to hold it,
// never shrunk; a bar thinner than the skin's images also uses the target up
// to the skin's thickness).
void ComposeBar(TBitmap& target, const TSkinModel& skin, const TBarLook& look);

}  // namespace pelorin
