// A caption with an optional image-list icon, centred together: tabs of a
// control with an image list. Win32 build only.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "host/core/Geometry.h"

namespace pelorin {

// Draws on dc in its current font and text colour; imageIndex -1 (or no
// image list) draws the text alone. A disabled caption is drawn in the
// system's shadow colour.
void DrawIconCaption(HDC dc, const TRect& rect, const std::wstring& text, int imageIndex, HIMAGELIST images,
                     bool enabled);

// The size of one icon of an image list, (0, 0) for none.
TPoint ImageListIconSize(HIMAGELIST images);

}  // namespace pelorin
