// TBitmap storage, pixel access and transparency; the file codec is in BmpCodec.cpp.
#include "host/core/Bitmap.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "host/core/Exceptions.h"

namespace pelorin {

namespace {

class THeapPixels final : public TPixelMemory {
public:
  explicit THeapPixels(size_t count) : pixels_(count, 0u) {}
  uint32_t* Bits() override { return pixels_.data(); }

private:
  std::vector<uint32_t> pixels_;
};

TPixelMemoryFactory& Factory() {
  static TPixelMemoryFactory factory;
  return factory;
}

}  // namespace

void TBitmap::SetPixelMemoryFactory(TPixelMemoryFactory factory) { Factory() = std::move(factory); }

TBitmap::~TBitmap() = default;

void TBitmap::SetSize(int width, int height) {
  if (width == width_ && height == height_) return;
  if (width <= 0 || height <= 0) {
    memory_.reset();
    bits_ = nullptr;
    width_ = height_ = 0;
    return;
  }
  if (width > MaxSide || height > MaxSide || int64_t(width) * height > MaxPixels)
    throw EOutOfResources("Bitmap too large");
  std::unique_ptr<TPixelMemory> mem;
  const auto& factory = Factory();
  mem = factory ? factory(width, height) : CreatePlatformPixelMemory(width, height);
  if (!mem) mem = std::make_unique<THeapPixels>(size_t(width) * size_t(height));
  uint32_t* bits = mem->Bits();
  if (!bits) throw EOutOfResources("Out of system resources");
  // Keep the overlapping part of the old pixels, as a resize does.
  const int cw = std::min(width, width_);
  const int ch = std::min(height, height_);
  for (int y = 0; y < ch; ++y) std::memcpy(bits + int64_t(y) * width, bits_ + int64_t(y) * width_, size_t(cw) * 4);
  memory_ = std::move(mem);
  bits_ = bits;
  width_ = width;
  height_ = height;
}

TColor TBitmap::GetPixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return clNone;
  return ColorFromPixel(ScanLine(y)[x]);
}

void TBitmap::SetPixel(int x, int y, TColor color) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  ScanLine(y)[x] = PixelFromColor(ColorToRGB(color));
}

void TBitmap::Fill(TColor color) { FillRect(BoundsRect(), color); }

void TBitmap::FillRect(const TRect& r, TColor color) {
  const TRect c = IntersectRect(r, BoundsRect());
  if (c.IsEmpty()) return;
  const uint32_t px = PixelFromColor(ColorToRGB(color));
  for (int y = c.Top; y < c.Bottom; ++y) std::fill(ScanLine(y) + c.Left, ScanLine(y) + c.Right, px);
}

void TBitmap::Assign(const TBitmap& source) {
  if (&source == this) return;
  Clear();
  SetSize(source.width_, source.height_);
  if (!Empty()) std::memcpy(bits_, source.bits_, size_t(width_) * size_t(height_) * 4);
  pixelFormat_ = source.pixelFormat_;
  transparent_ = source.transparent_;
  transparentColor_ = source.transparentColor_;
}

void TBitmap::Mask(TColor transparentColor) {
  const uint32_t key = PixelFromColor(ColorToRGB(transparentColor)) & 0xFFFFFFu;
  const int64_t n = int64_t(width_) * height_;
  for (int64_t i = 0; i < n; ++i) bits_[i] = (bits_[i] & 0xFFFFFFu) == key ? 0xFFFFFFu : 0u;
  pixelFormat_ = TPixelFormat::pf1bit;
}

TColor TBitmap::TransparentColor() const {
  if (transparentColor_ != clDefault) return transparentColor_;
  if (Empty()) return clNone;
  return ColorFromPixel(ScanLine(height_ - 1)[0]);
}

}  // namespace pelorin
