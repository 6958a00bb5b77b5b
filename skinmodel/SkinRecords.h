// Element records of a loaded skin: one plain object per visual element
// (window borders, title text, push buttons, title-bar buttons, ...).
#pragma once

#include <cstdint>
#include <string>

#include "host/core/Bitmap.h"
#include "host/core/Color.h"
#include "host/core/Geometry.h"

namespace pelorin {

// How the stretchable parts of an element's frame are filled.
enum class TElementFill : uint8_t { Stretch, Tile };

// How a frame is cut when the element is drawn whole.
enum class TElementSlicing : uint8_t {
  NineSlice,  // corners, edges and centre
  Strip,      // left part, middle repeated at its own width, right part: the caption back, a menu bar
};

// More frames than the largest bitmap side could never be told apart.
inline constexpr int32_t MaxElementFrames = TBitmap::MaxSide;

// How an element is drawn, worked out once by the parser from keys whose
// meaning differs between elements (a border's Stretch against the Tile key,
// Trans, the frame counts). A record made without a parse draws its one
// frame stretched and opaque.
struct TElementStyle {
  TElementFill Fill = TElementFill::Stretch;
  bool Keyed = false;         // pixels of the transparency key are left out
  int32_t Frames = 1;         // state frames in Bitmap, 1..MaxElementFrames
  bool Vertical = false;      // frames stacked rather than side by side
  TElementSlicing Slicing = TElementSlicing::NineSlice;
  bool KeyedRegion = false;   // window borders: key pixels are cut out of the window
  friend bool operator==(const TElementStyle&, const TElementStyle&) = default;
};

// Base of the family. Painters read the fields; only the parser (and the form
// frame, for icon images) writes them.
class TDataSkinObject {
public:
  explicit TDataSkinObject(std::string name = {}) : Name(std::move(name)) {}
  virtual ~TDataSkinObject();
  TDataSkinObject(const TDataSkinObject&) = delete;
  TDataSkinObject& operator=(const TDataSkinObject&) = delete;

  // Widths of the fixed border of a frame where the image is sliced; the
  // title slices at its text back widths instead of its Margins.
  virtual TRect SliceMargins() const { return Margins; }

  // Fixed border of one image frame: Left = LeftWidth, Top = TopHeight,
  // Right = RightWidth, Bottom = BottomHeight. Window borders and the title
  // record use it differently (see the parser).
  TRect Margins;
  TBitmap Bitmap;
  TElementStyle Style;
  // The keys as the description gave them, for tools that print them and for
  // the form frame until it draws through Style: Trans, and the border's
  // "Stretch" (1 stretch, else tile) or another element's "Tile" (1 tile).
  int32_t Trans = 0;
  int32_t Tile = 0;
  std::string Name;
  int32_t FrameCount = 0;  // after a parse 1..MaxElementFrames, as Style.Frames but for icon buttons
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
  // The caption back image is always a keyed strip of two stacked frames.
  explicit TDataSkinTitle(std::string name = {});
  TRect SliceMargins() const override { return {TextBackLeft, 0, TextBackRight, 0}; }
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
