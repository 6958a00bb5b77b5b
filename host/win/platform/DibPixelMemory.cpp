// Bitmap pixels in a top-down 32-bit DIB section selected into its own memory
// DC, so GDI drawing and pixel loops share one buffer.
#include <windows.h>

#include "host/core/Bitmap.h"
#include "host/win/platform/GdiCounters.h"

namespace pelorin {

namespace {

class TDibPixelMemory final : public TPixelMemory {
public:
  TDibPixelMemory(int width, int height) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    dc_ = CreateCompatibleDC(nullptr);
    if (!dc_) return;
    bitmap_ = CreateDIBSection(dc_, &bi, DIB_RGB_COLORS, &bits_, nullptr, 0);
    if (!bitmap_) return;
    GdiCounters::Created(2);
    old_ = SelectObject(dc_, bitmap_);
  }
  ~TDibPixelMemory() override {
    if (dc_ && old_) SelectObject(dc_, old_);
    if (bitmap_) {
      DeleteObject(bitmap_);
      GdiCounters::Deleted(2);
    }
    if (dc_) DeleteDC(dc_);
  }
  TDibPixelMemory(const TDibPixelMemory&) = delete;
  TDibPixelMemory& operator=(const TDibPixelMemory&) = delete;

  // Callers GdiFlush() before touching pixels that GDI drew.
  uint32_t* Bits() override { return static_cast<uint32_t*>(bits_); }
  void* Handle() override { return bitmap_; }
  void* DC() override { return dc_; }

private:
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  void* bits_ = nullptr;
};

}  // namespace

std::unique_ptr<TPixelMemory> CreatePlatformPixelMemory(int width, int height) {
  auto mem = std::make_unique<TDibPixelMemory>(width, height);
  if (!mem->Handle()) return nullptr;  // fall back to heap memory
  return mem;
}

}  // namespace pelorin
