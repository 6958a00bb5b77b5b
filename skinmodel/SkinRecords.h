// Element records of a loaded skin: one plain object per visual element
// (window borders, title text, push buttons, title-bar buttons, ...).
#pragma once

#include <cstdint>
#include <string>

#include "host/core/Bitmap.h"
#include "host/core/Color.h"
#include "host/core/Geometry.h"

namespace pelorin {

// Base of the family. Painters read the fields; only the parser (and the form
// frame, for icon images) writes them.
class TDataSkinObject {
public:
  explicit TDataSkinObject(std::string name = {}) : Name(std::move(name)) {}
  virtual ~TDataSkinObject();
  TDataSkinObject(const TDataSkinObject&) = delete;
  TDataSkinObject& operator=(const TDataSkinObject&) = delete;

  // Fixed border of one image frame: Left = LeftWidth, Top = TopHeight,
  // Right = RightWidth, Bottom = BottomHeight. Window borders and the title
  // record use it differently (see the parser).
  TRect Margins;
  TBitmap Bitmap;
  int32_t Trans = 0;  // 1: leave the transparency key colour out
  // Middle fill mode: for window borders the "Stretch" value (1 stretch, else
  // tile); for every other element the "Tile" value (1 tile, 0 stretch).
  int32_t Tile = 0;
  std::string Name;
  int32_t FrameCount = 0;
  TColor NormalColour = 0;
  TColor MouseOverColour = 0;
  TColor PressedColour = 0;
};

// A border strip; the tabs element keeps its page border image in Bitmap2.
class TDataSkinBorder : public TDataSkinObject {
public:
  using TDataSkinObject::TDataSkinObject;
  ~TDataSkinBorder() override;
  TBitmap Bitmap2;
};

// Push buttons, with the check box and radio button strips.
class TDataSkinButton : public TDataSkinObject {
public:
  using TDataSkinObject::TDataSkinObject;
  ~TDataSkinButton() override;
  TBitmap CheckBitmap;
  TBitmap RadioBitmap;
  int32_t RadioFrameCount = 0;
  int32_t CheckFrameCount = 0;
};

// Caption text settings; Bitmap is the caption back image and Margins holds
// Left = TextShift, Top = TextShiftVert, Right = TextRightClip.
class TDataSkinTitle : public TDataSkinObject {
public:
  using TDataSkinObject::TDataSkinObject;
  int32_t TextAlignment = 0;
  int32_t TextBackLeft = 0;
  int32_t TextBackRight = 0;
};

// Title-bar button action codes the model itself gives meaning to.
enum : int32_t {
  sbaCustom = -1,        // application-defined action
  sbaIconA = 3,          // shows the window icon
  sbaIconB = 11,         // shows the window icon
  sbaMdiMinimize = 7,    // the three buttons of a maximised MDI child
  sbaMdiRestore = 8,
  sbaMdiClose = 9,
};
// Align and Visibility of the MDI buttons: they sit in the menu bar.
inline constexpr int32_t MdiButtonAlign = 100;
inline constexpr int32_t MdiButtonVisibility = 100;

// One title-bar button; the codes are interpreted by the form frame.
class TDataSkinSysButton : public TDataSkinObject {
public:
  using TDataSkinObject::TDataSkinObject;
  int32_t Action = 0;
  int32_t Align = 0;
  int32_t XCoord = 0;
  int32_t YCoord = 0;
  int32_t Visibility = 0;
  int32_t Visibility1 = 0;
};

}  // namespace pelorin
