// Renders a sample window from a loaded skin with the portable painting
// primitives: frame, caption, title-bar buttons, menu bar and a client area
// with push buttons, check boxes, radio buttons, a combo box, a progress bar,
// tabs, a list with header and scroll bars, and a status bar.
#pragma once

#include <string>

#include "host/core/Bitmap.h"
#include "skinmodel/SkinModel.h"
#include "tools/skintool/PreviewText.h"

namespace pelorin::skintool {

struct TPreviewOptions {
  int Width = 540;   // window size; the picture adds a margin around it
  int Height = 380;
  bool Active = true;
  std::string Caption = "Pelorin Preview";
};

struct TPreviewFonts {
  const TPreviewFont& Caption;  // bold, for the title bar
  const TPreviewFont& Text;     // menus and controls
};

// The sample window's menu bar height; its caption gets the frame's suffix.
inline constexpr int PreviewMenuBarHeight = 20;
inline constexpr const char* PreviewCaptionSuffix = "   ";
// The icon the sample window has, shown by the skin's icon buttons.
TBitmap PreviewIcon();

// The picture: the window on a plain backdrop that shows through the
// key-coloured parts of see-through borders.
TBitmap RenderPreview(const TSkinModel& skin, const TPreviewOptions& options, const TPreviewFonts& fonts);

// Margin of backdrop around the window.
inline constexpr int PreviewMargin = 20;

}  // namespace pelorin::skintool
