// Opaque and keyed blits of TBitmap pixels to device contexts.
#include "paint/win/DibBlit.h"

#include <cstring>

#include "host/core/Exceptions.h"

namespace pelorin {

BITMAPINFO DibInfo(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down, as TBitmap stores rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

TBitmapDC::TBitmapDC(const TBitmap& bitmap) {
  if (bitmap.DC()) {
    GdiFlush();
    dc_ = static_cast<HDC>(bitmap.DC());
    return;
  }
  if (bitmap.Empty()) return;
  memory_.emplace(nullptr);
  if (!*memory_) throw EOutOfResources("Out of system resources");
  const BITMAPINFO info = DibInfo(bitmap.Width(), bitmap.Height());
  void* bits = nullptr;
  section_.Reset(CreateDIBSection(memory_->Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!section_ || !bits) throw EOutOfResources("Out of system resources");
  std::memcpy(bits, bitmap.Bits(), size_t(bitmap.Width()) * size_t(bitmap.Height()) * 4);
  old_ = SelectObject(memory_->Get(), section_.Get());
  dc_ = memory_->Get();
}

TBitmapDC::~TBitmapDC() {
  // The section is deleted after the DC lets go of it (members die in reverse order).
  if (old_) SelectObject(memory_->Get(), old_);
}

void BlitOpaque(HDC dc, int x, int y, const TBitmap& bitmap) {
  if (bitmap.Empty()) return;
  const int w = bitmap.Width(), h = bitmap.Height();
  if (bitmap.DC()) {
    GdiFlush();
    BitBlt(dc, x, y, w, h, static_cast<HDC>(bitmap.DC()), 0, 0, SRCCOPY);
    return;
  }
  const BITMAPINFO info = DibInfo(w, h);
  SetDIBitsToDevice(dc, x, y, DWORD(w), DWORD(h), 0, 0, 0, UINT(h), bitmap.Bits(), &info, DIB_RGB_COLORS);
}

void BlitKeyed(HDC dc, int x, int y, const TBitmap& bitmap, const TRect& sourceRect, TColor keyColour) {
  const TRect s = IntersectRect(sourceRect, bitmap.BoundsRect());
  if (s.IsEmpty()) return;
  TBitmapDC source(bitmap);
  if (!source.Get()) return;
  GdiTransparentBlt(dc, x + (s.Left - sourceRect.Left), y + (s.Top - sourceRect.Top), s.Width(), s.Height(),
                    source.Get(), s.Left, s.Top, s.Width(), s.Height(), UINT(ColorToRGB(keyColour)));
}

}  // namespace pelorin
