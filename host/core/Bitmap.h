// TBitmap: 32-bit pixels (B, G, R, X bytes; rows top-down, no padding) with a
// pixel-format attribute, transparency settings and the Windows bitmap file
// codec. On Windows the pixel memory is a DIB section (see TPixelMemory).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "host/core/Color.h"
#include "host/core/Geometry.h"

namespace pelorin {

class TStream;

enum class TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit };

// Storage of a bitmap's pixels. The portable one is plain heap memory; the
// Windows build backs it with a DIB section so GDI and pixel loops share one
// buffer; tests may install their own factory.
class TPixelMemory {
public:
  virtual ~TPixelMemory() = default;
  virtual uint32_t* Bits() = 0;
  // Platform handle (HBITMAP of the DIB section on Windows, else nullptr).
  virtual void* Handle() { return nullptr; }
  // Platform memory DC with the bitmap selected (Windows), else nullptr.
  virtual void* DC() { return nullptr; }
};
using TPixelMemoryFactory = std::function<std::unique_ptr<TPixelMemory>(int width, int height)>;
// The platform's pixel memory (a DIB section on Windows); nullptr means plain
// heap memory.
std::unique_ptr<TPixelMemory> CreatePlatformPixelMemory(int width, int height);

class TBitmap {
public:
  // Largest accepted side and pixel count; bigger sizes raise EOutOfResources
  // instead of trying to allocate without bound.
  static constexpr int MaxSide = 32768;
  static constexpr int64_t MaxPixels = int64_t(1) << 28;

  TBitmap() = default;
  TBitmap(int width, int height) { SetSize(width, height); }
  TBitmap(const TBitmap& other) { Assign(other); }
  TBitmap& operator=(const TBitmap& other) { Assign(other); return *this; }
  TBitmap(TBitmap&&) noexcept = default;
  TBitmap& operator=(TBitmap&&) noexcept = default;
  ~TBitmap();

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ <= 0 || height_ <= 0; }
  TRect BoundsRect() const { return {0, 0, width_, height_}; }

  // Resizes; new pixels are black. Width or height 0 empties the bitmap.
  void SetSize(int width, int height);
  void SetWidth(int width) { SetSize(width, height_); }
  void SetHeight(int height) { SetSize(width_, height); }
  void Clear() { SetSize(0, 0); }

  TPixelFormat PixelFormat() const { return pixelFormat_; }
  // Only records the format; storage stays 32-bit. Reducing formats does not
  // quantise pixels.
  void SetPixelFormat(TPixelFormat pf) { pixelFormat_ = pf; }

  // Row y (0 = top) of Width() pixel words. Callers keep y within [0, Height()).
  uint32_t* ScanLine(int y) { return bits_ + static_cast<int64_t>(y) * width_; }
  const uint32_t* ScanLine(int y) const { return bits_ + static_cast<int64_t>(y) * width_; }
  uint32_t* Bits() { return bits_; }
  const uint32_t* Bits() const { return bits_; }

  // Bounds-checked pixel access as TColor (outside: clNone / ignored).
  TColor GetPixel(int x, int y) const;
  void SetPixel(int x, int y, TColor color);
  void Fill(TColor color);
  void FillRect(const TRect& r, TColor color);

  // Copies size, format, pixels and transparency settings.
  void Assign(const TBitmap& source);
  // Turns the bitmap into a two-colour mask: pixels equal to colour become
  // white, all others black; the format becomes pf1bit.
  void Mask(TColor transparentColor);

  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value) { transparent_ = value; }
  // clDefault means "the bottom-left pixel", as the framework does.
  TColor TransparentColor() const;
  void SetTransparentColor(TColor color) { transparentColor_ = color; }

  // Windows bitmap files: 1, 4, 8, 16, 24, 32 bits; RLE4, RLE8, bit fields;
  // bottom-up and top-down; core, info and V4/V5 headers. Reads one file from
  // the stream's position and leaves the stream after it; the pixel format
  // becomes the file's depth (16-bit 555 is pf15bit). Pixels that RLE data
  // skips are black. A damaged file raises EInvalidGraphic and leaves the
  // bitmap and the stream position unchanged. Transparency settings are kept.
  void LoadFromStream(TStream& stream);
  // Writes a bottom-up file of the bitmap's format (pf32bit, else 24 bits).
  // An empty bitmap writes nothing.
  void SaveToStream(TStream& stream) const;
  void LoadFromFile(const std::string& fileName);
  void SaveToFile(const std::string& fileName) const;

  // Platform handles of the pixel memory (see TPixelMemory).
  void* Handle() const { return memory_ ? memory_->Handle() : nullptr; }
  void* DC() const { return memory_ ? memory_->DC() : nullptr; }

  static void SetPixelMemoryFactory(TPixelMemoryFactory factory);

private:
  std::unique_ptr<TPixelMemory> memory_;
  uint32_t* bits_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  TPixelFormat pixelFormat_ = TPixelFormat::pfDevice;
  bool transparent_ = false;
  TColor transparentColor_ = clDefault;
};

}  // namespace pelorin
