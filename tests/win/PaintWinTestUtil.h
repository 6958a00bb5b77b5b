// Helpers of the painting integration tests: DIB-section canvases that can be
// read back, and a way to keep TBitmap pixels out of DIB sections.
#pragma once

#include <windows.h>

#include <cstring>
#include <memory>
#include <vector>

#include "host/core/Bitmap.h"
#include "paint/win/DibBlit.h"
#include "paint/win/GdiHandles.h"

namespace pelorin::testing {

// A 32-bit top-down DIB section selected into its own memory DC.
class TDibCanvas {
public:
  TDibCanvas(int width, int height) : width_(width), height_(height) {
    const BITMAPINFO info = DibInfo(width, height);
    section_.Reset(CreateDIBSection(dc_.Get(), &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0));
    old_ = SelectObject(dc_.Get(), section_.Get());
  }
  ~TDibCanvas() { SelectObject(dc_.Get(), old_); }
  HDC DC() const { return dc_.Get(); }
  uint32_t* Bits() { return bits_; }
  void Fill(uint32_t px) {
    GdiFlush();
    std::fill(bits_, bits_ + size_t(width_) * height_, px);
  }
  // The pixels as a TBitmap (RGB only).
  TBitmap Read() {
    GdiFlush();
    TBitmap b(width_, height_);
    for (size_t i = 0; i < size_t(width_) * height_; ++i) b.Bits()[i] = bits_[i] & 0xFFFFFFu;
    return b;
  }

private:
  int width_, height_;
  TMemoryDC dc_{nullptr};
  TGdiBitmap section_;
  uint32_t* bits_ = nullptr;
  HGDIOBJ old_ = nullptr;
};

// TBitmap pixels in plain heap memory (no DC of their own) while the object lives.
class THeapBitmapsInstalled {
public:
  THeapBitmapsInstalled() {
    TBitmap::SetPixelMemoryFactory([](int w, int h) -> std::unique_ptr<TPixelMemory> {
      return std::make_unique<THeap>(size_t(w) * size_t(h));
    });
  }
  ~THeapBitmapsInstalled() { TBitmap::SetPixelMemoryFactory(nullptr); }

private:
  class THeap final : public TPixelMemory {
  public:
    explicit THeap(size_t n) : pixels_(n, 0u) {}
    uint32_t* Bits() override { return pixels_.data(); }

  private:
    std::vector<uint32_t> pixels_;
  };
};

}  // namespace pelorin::testing
