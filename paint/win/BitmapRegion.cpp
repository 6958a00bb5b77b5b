// HRGN assembly for the region scan.
#include "paint/win/BitmapRegion.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <vector>

#include "host/core/Exceptions.h"
#include "paint/RegionScan.h"

namespace pelorin {

namespace {

// Collects rectangles in region-data form and turns every full batch into a
// region merged into the result. The buffer grows in steps of 500 rectangles
// and never holds more than 2000.
class TRegionBuilder {
public:
  static constexpr size_t Step = 500;
  static constexpr size_t Batch = 2000;

  TRegionBuilder() { Grow(); ResetBounds(); }

  void Add(const RECT& r) {
    if (count_ == capacity_) Grow();
    Rects()[count_++] = r;
    bounds_.left = std::min(bounds_.left, r.left);
    bounds_.top = std::min(bounds_.top, r.top);
    bounds_.right = std::max(bounds_.right, r.right);
    bounds_.bottom = std::max(bounds_.bottom, r.bottom);
    if (count_ == Batch) Flush();
  }

  TGdiRegion Finish() {
    if (count_ > 0 || !result_) Flush();
    return std::move(result_);
  }

private:
  // Header and rectangles in one buffer of RECT-sized cells (the header is 32 bytes).
  static constexpr size_t HeaderCells = sizeof(RGNDATAHEADER) / sizeof(RECT);
  static_assert(sizeof(RGNDATAHEADER) == 2 * sizeof(RECT));

  RECT* Rects() { return buffer_.data() + HeaderCells; }
  void Grow() {
    capacity_ += Step;
    buffer_.resize(HeaderCells + capacity_);
  }
  void ResetBounds() { bounds_ = {INT_MAX, INT_MAX, 0, 0}; }

  void Flush() {
    RGNDATAHEADER header{};
    header.dwSize = sizeof(RGNDATAHEADER);
    header.iType = RDH_RECTANGLES;
    header.nCount = DWORD(count_);
    header.nRgnSize = 0;
    header.rcBound = count_ ? bounds_ : RECT{0, 0, 0, 0};
    std::memcpy(buffer_.data(), &header, sizeof header);
    const DWORD size = DWORD(sizeof(RGNDATAHEADER) + sizeof(RECT) * capacity_);
    TGdiRegion piece(ExtCreateRegion(nullptr, size, reinterpret_cast<const RGNDATA*>(buffer_.data())));
    if (!piece) throw EOutOfResources("Out of system resources");
    if (!result_) {
      result_ = std::move(piece);
    } else if (CombineRgn(result_.Get(), result_.Get(), piece.Get(), RGN_OR) == ERROR) {
      throw EOutOfResources("Out of system resources");
    }
    count_ = 0;
    ResetBounds();
  }

  std::vector<RECT> buffer_;
  size_t capacity_ = 0;
  size_t count_ = 0;
  RECT bounds_;
  TGdiRegion result_;
};

}  // namespace

TGdiRegion CreateRegionFromBitmap(const TBitmap& bitmap, int xOffset, int yOffset, uint8_t toleranceBlue,
                                  uint8_t toleranceGreen, uint8_t toleranceRed, TColor keyColour) {
  TRegionBuilder builder;
  const TRegionKey key(keyColour, toleranceBlue, toleranceGreen, toleranceRed);
  ForEachOpaqueRun(bitmap, key, [&](int y, int x0, int x1) {
    builder.Add({x0 + xOffset, y + yOffset, x1 + xOffset, y + 1 + yOffset});
  });
  return builder.Finish();
}

}  // namespace pelorin
