// Which image frame a push, bitmap or speed button shows, which glyph of its
// strip, and the caption colour that goes with the frame.
#pragma once

#include <cstdint>

#include "host/core/Color.h"

namespace pelorin {

// The state bits a control skinner keeps.
enum TSkinStateBit : uint8_t { ssHot = 1, ssPressed = 2 };

// Frame numbers (1-based) of control images.
enum TControlFrame : int { cfNormal = 1, cfPressed = 2, cfDisabled = 3, cfHot = 4 };

struct TButtonFacts {
  bool Hot = false;
  bool Pressed = false;
  bool Focused = false;
  bool Enabled = true;
  bool Down = false;  // speed buttons only
};

// Push and bitmap buttons: focus shows as hot, pressed beats hot, disabled wins.
int PushButtonFrame(const TButtonFacts& facts);
// Speed buttons: focus plays no part, disabled beats pressed, Down wins.
int SpeedButtonFrame(const TButtonFacts& facts);
// The glyph of a speed button's strip for a frame: up, disabled, down; the
// first glyph when the strip is too short.
int SpeedButtonGlyph(int frame, int numGlyphs);

struct TButtonColours {
  TColor Text = 0;       // the skin's button text colour
  TColor Normal = 0;     // the button element's text colours
  TColor MouseOver = 0;
  TColor Pressed = 0;
  TColor Disabled = 0;   // the system's shadow colour
};
TColor ButtonCaptionColour(int frame, bool enabled, const TButtonColours& colours);

}  // namespace pelorin
