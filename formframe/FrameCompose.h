// Composing a laid-out frame into a bitmap: the borders, the title with its
// caption back image and text, and the title-bar buttons at rest. The pieces
// stay separate so a painter may keep a composed title and reuse it.
#pragma once

#include <functional>

#include "formframe/FrameLayout.h"
#include "host/core/Bitmap.h"

namespace pelorin {

// Draws the caption text into the rectangle in the colour; the caller's
// callback holds the text and the font (GDI on Windows, FreeType in the preview).
using TCaptionTextDraw = std::function<void(TBitmap& target, const TRect& draw, TColor colour)>;

// One border image (fpLeft ... fpBottom) into r, in the frame the activation asks for.
void DrawBorderPart(TBitmap& target, const TRect& r, const TSkinModel& skin, TFramePart part, bool active);

// A title-bar button's frame into r: from its skin element, or from the window
// icon it shows instead.
void DrawTitleButton(TBitmap& target, const TRect& r, const TTitleButtonInput& button, int frame);

// The left, right and bottom borders.
void ComposeSideBorders(TBitmap& target, const TSkinModel& skin, const TFrameLayout& layout);
// The top border, the caption back image and the caption text.
void ComposeTitle(TBitmap& target, const TSkinModel& skin, const TFrameLayout& layout, const TCaptionTextDraw& text);
// The placed title-bar buttons at rest; the MDI buttons belong to the menu bar.
void ComposeTitleButtons(TBitmap& target, const TFrameLayout& layout);
// The gap under a title lower than the system's, in the skin's face brush
// (nothing before a skin made its brush); the menu bar goes over it after.
void ComposeTitleGap(TBitmap& target, const TSkinModel& skin, const TFrameLayout& layout);
// All of the above in painting order.
void ComposeFrame(TBitmap& target, const TSkinModel& skin, const TFrameLayout& layout, const TCaptionTextDraw& text);

}  // namespace pelorin
