// The images of a skin, drawn from a theme. Each function returns one
// finished image strip in the layout its element needs.
#pragma once

#include "host/core/Bitmap.h"
#include "tools/skingen/SkinTheme.h"

namespace pelorin::skingen {

// Frame geometry shared by the border images and the description.
struct TFrameGeometry {
  int FixedLeft, FixedRight;  // fixed ends of the title and bottom strips
  int Middle;                 // stretched or tiled middle (the texture period when tiled)
  int Frames;
};
TFrameGeometry FrameGeometry(const TSkinTheme& t);

// The four window borders: left and right hold their frames side by side,
// top and bottom stacked; each side border includes the title-bar corners.
struct TBorderImages {
  TBitmap Left, Right, Top, Bottom;
};
TBorderImages DrawBorders(const TSkinTheme& t);

TBitmap DrawTextBack(const TSkinTheme& t);
TBitmap DrawTitleButton(const TSkinTheme& t, TGlyph glyph, int frames, bool danger);
TBitmap DrawMdiStrip(const TSkinTheme& t);

TBitmap DrawPushButton(const TSkinTheme& t);
TBitmap DrawCheckStrip(const TSkinTheme& t);
TBitmap DrawRadioStrip(const TSkinTheme& t);
TBitmap DrawTabStrip(const TSkinTheme& t);
TBitmap DrawTabBorder(const TSkinTheme& t);
TBitmap DrawComboButton(const TSkinTheme& t);
TBitmap DrawComboArrow(const TSkinTheme& t);
TBitmap DrawSunkEdge(const TSkinTheme& t);
TBitmap DrawScrollArrows(const TSkinTheme& t);
TBitmap DrawScrollTrack(const TSkinTheme& t, bool vertical);
TBitmap DrawScrollThumb(const TSkinTheme& t, bool vertical);
TBitmap DrawHeaderBar(const TSkinTheme& t);
TBitmap DrawStatusEdges(const TSkinTheme& t);
TBitmap DrawProgress(const TSkinTheme& t);
TBitmap DrawMenuBar(const TSkinTheme& t);
TBitmap DrawMenuItem(const TSkinTheme& t);
TBitmap DrawMenuBackground(const TSkinTheme& t);
TBitmap DrawGroupBoxEdge(const TSkinTheme& t);
TBitmap DrawToolbar(const TSkinTheme& t);

// Sizes the description repeats.
inline constexpr int PushButtonMargin = 5;
inline constexpr int ScrollThumbMargin = 6;

}  // namespace pelorin::skingen
