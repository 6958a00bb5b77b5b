// Element drawing on a device context: the same pixels as the TBitmap calls
// of paint/DrawElement.h, put on the DC with one blit.
#pragma once

#include <windows.h>

#include "paint/DrawElement.h"

namespace pelorin {

void DrawElement(HDC dc, const TRect& rect, const TDataSkinObject& element, int frame);
void DrawElementRing(HDC dc, const TRect& rect, const TDataSkinObject& element, int frame);
void DrawElementRing(HDC dc, const TRect& rect, const TDataSkinObject& element, int frame, const TRect& margins);
void DrawElementFrame(HDC dc, const TRect& rect, const TDataSkinObject& element, int frame);

}  // namespace pelorin
