#include "controls/ButtonFrames.h"

namespace pelorin {

int PushButtonFrame(const TButtonFacts& f) {
  int frame = cfNormal;
  if (f.Focused) frame = cfHot;
  if (f.Pressed) {
    frame = cfPressed;
  } else if (f.Hot) {
    frame = cfHot;
  }
  if (!f.Enabled) frame = cfDisabled;
  return frame;
}

int SpeedButtonFrame(const TButtonFacts& f) {
  int frame = cfNormal;
  if (f.Pressed) {
    frame = cfPressed;
  } else if (f.Hot) {
    frame = cfHot;
  }
  if (!f.Enabled) frame = cfDisabled;
  if (f.Down) frame = cfPressed;
  return frame;
}

int SpeedButtonGlyph(int frame, int numGlyphs) {
  int glyph = 1;
  if (frame == cfPressed) glyph = 3;
  if (frame == cfDisabled) glyph = 2;
  return numGlyphs < glyph ? 1 : glyph;
}

TColor ButtonCaptionColour(int frame, bool enabled, const TButtonColours& c) {
  if (!enabled) return c.Disabled;
  switch (frame) {
    case cfNormal: return c.Normal;
    case cfHot: return c.MouseOver;
    case cfPressed: return c.Pressed;
    default: return c.Text;
  }
}

}  // namespace pelorin
