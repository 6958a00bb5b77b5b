// Putting TBitmap pixels on a device context: one opaque blit or one keyed blit.
#pragma once

#include <windows.h>

#include <optional>

#include "host/core/Bitmap.h"
#include "paint/win/GdiHandles.h"

namespace pelorin {

// A DC that holds a bitmap's pixels: the bitmap's own memory DC when its
// pixels are a DIB section, otherwise a temporary DIB section copy.
class TBitmapDC {
public:
  explicit TBitmapDC(const TBitmap& bitmap);
  TBitmapDC(const TBitmapDC&) = delete;
  TBitmapDC& operator=(const TBitmapDC&) = delete;
  ~TBitmapDC();
  HDC Get() const { return dc_; }

private:
  HDC dc_ = nullptr;
  std::optional<TMemoryDC> memory_;
  TGdiBitmap section_;
  HGDIOBJ old_ = nullptr;
};

// The 32-bit top-down BITMAPINFO of a bitmap's pixel memory.
BITMAPINFO DibInfo(int width, int height);

// Copies the whole bitmap to (x, y) of dc (SRCCOPY).
void BlitOpaque(HDC dc, int x, int y, const TBitmap& bitmap);
// Copies sourceRect of the bitmap to (x, y) of dc leaving out pixels of keyColour.
void BlitKeyed(HDC dc, int x, int y, const TBitmap& bitmap, const TRect& sourceRect, TColor keyColour);

}  // namespace pelorin
