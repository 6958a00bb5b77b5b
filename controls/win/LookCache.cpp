#include "controls/win/LookCache.h"

#include <algorithm>

#include "host/core/Bitmap.h"

namespace pelorin {

bool TLookCache::Blit(HDC dc, int x, int y, const TLookKey& key) const {
  if (!valid_ || !dc || !(key == key_)) return false;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = key_.Width;
  info.bmiHeader.biHeight = -key_.Height;  // rows top-down, as stored
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return SetDIBitsToDevice(dc, x, y, DWORD(key_.Width), DWORD(key_.Height), 0, 0, 0, UINT(key_.Height),
                           pixels_.data(), &info, DIB_RGB_COLORS) != 0;
}

void TLookCache::Store(const TBitmap& source, const TLookKey& key) {
  valid_ = false;
  if (key.Width <= 0 || key.Height <= 0 || source.Width() < key.Width || source.Height() < key.Height) return;
  GdiFlush();  // text drawn into the buffer may still be queued
  pixels_.resize(size_t(key.Width) * size_t(key.Height));
  for (int y = 0; y < key.Height; ++y) {
    const uint32_t* row = source.ScanLine(y);
    std::copy(row, row + key.Width, pixels_.begin() + std::ptrdiff_t(y) * key.Width);
  }
  key_ = key;
  valid_ = true;
}

void TLookCache::Clear() {
  valid_ = false;
  pixels_.clear();
  pixels_.shrink_to_fit();
}

}  // namespace pelorin
