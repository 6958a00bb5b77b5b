// Tab strip geometry, the prepared tab images and the turned strip.
#include "controls/TabLayout.h"

#include <algorithm>

#include "paint/Orientation.h"
#include "paint/SkinPaint.h"

namespace pelorin {

namespace {
constexpr uint32_t StyleBottomOrRight = 0x0002;
constexpr uint32_t StyleVertical = 0x0080;
constexpr uint32_t RgbMask = 0xFFFFFF;
// The page frame image's fixed margins as the image is drawn (tabs on top).
constexpr TRect BorderMargins{4, 5, 4, 4};
}  // namespace

TTabSide TabSideFromStyle(uint32_t style) {
  const bool second = (style & StyleBottomOrRight) != 0, vertical = (style & StyleVertical) != 0;
  if (vertical) return second ? tsRight : tsLeft;
  return second ? tsBottom : tsTop;
}

TRect TabPageRect(TTabSide side, const TRect& display) {
  TRect d{display.Left - 4, display.Top - 4, display.Right + 4, display.Bottom + 4};
  switch (side) {
    case tsTop: ++d.Top; break;
    case tsBottom: --d.Bottom; break;
    case tsLeft: ++d.Left; break;
    case tsRight: --d.Right; break;
  }
  return d;
}

TRect TabStripRect(TTabSide side, const TRect& client, const TRect& page) {
  TRect s = client;
  switch (side) {
    case tsTop: s.Bottom = std::clamp(page.Top, client.Top, client.Bottom); break;
    case tsBottom: s.Top = std::clamp(page.Bottom, client.Top, client.Bottom); break;
    case tsLeft: s.Right = std::clamp(page.Left, client.Left, client.Right); break;
    case tsRight: s.Left = std::clamp(page.Right, client.Left, client.Right); break;
  }
  return s;
}

TPoint TabStripBufferSize(TTabSide side, const TRect& strip) {
  const int w = std::max(strip.Width(), 0), h = std::max(strip.Height(), 0);
  return side == tsLeft || side == tsRight ? TPoint{h, w} : TPoint{w, h};
}

TRect TabInStrip(TTabSide side, const TRect& item, const TRect& strip) {
  // Side strips lie with their outer edge at the buffer's top: the left strip
  // is turned back anticlockwise, the right one clockwise.
  const int bw = TabStripBufferSize(side, strip).X;
  switch (side) {
    case tsTop:
      return {item.Left - strip.Left, item.Top - strip.Top + 1, item.Right - strip.Left, item.Bottom - strip.Top + 1};
    case tsBottom:
      return {item.Left - strip.Left, item.Top - strip.Top - 1, item.Right - strip.Left, item.Bottom - strip.Top - 1};
    case tsLeft:
      return {bw - (item.Bottom - strip.Top), item.Left - strip.Left, bw - (item.Top - strip.Top),
              item.Right - strip.Left};
    case tsRight:
      return {item.Top - strip.Top, strip.Right - item.Right, item.Bottom - strip.Top, strip.Right - item.Left};
  }
  return item;
}

namespace {
bool Empty(const TRect& r) { return r.Right <= r.Left || r.Bottom <= r.Top; }

TRect Intersect(const TRect& a, const TRect& b) {
  return {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom)};
}

// Appends r less hole, in at most four pieces.
void SubtractRect(const TRect& r, const TRect& hole, std::vector<TRect>& out) {
  const TRect cut = Intersect(r, hole);
  if (Empty(cut)) {
    if (!Empty(r)) out.push_back(r);
    return;
  }
  for (const TRect& p : {TRect{r.Left, r.Top, r.Right, cut.Top}, TRect{r.Left, cut.Bottom, r.Right, r.Bottom},
                         TRect{r.Left, cut.Top, cut.Left, cut.Bottom}, TRect{cut.Right, cut.Top, r.Right, cut.Bottom}})
    if (!Empty(p)) out.push_back(p);
}

TRect PageInside(const TRect& page, const TRect& margins) {
  const int w = std::max(page.Width(), 0), h = std::max(page.Height(), 0);
  const int top = std::clamp(margins.Top, 0, h), bottom = std::clamp(h - margins.Bottom, top, h);
  const int left = std::clamp(margins.Left, 0, w), right = std::clamp(w - margins.Right, left, w);
  return {page.Left + left, page.Top + top, page.Left + right, page.Top + bottom};
}

// Joins a and b into a when together they are one rectangle.
bool Join(TRect& a, const TRect& b) {
  const bool column = a.Left == b.Left && a.Right == b.Right;
  const bool row = a.Top == b.Top && a.Bottom == b.Bottom;
  if (column && (a.Bottom == b.Top || b.Bottom == a.Top)) {
    a = {a.Left, std::min(a.Top, b.Top), a.Right, std::max(a.Bottom, b.Bottom)};
    return true;
  }
  if (row && (a.Right == b.Left || b.Right == a.Left)) {
    a = {std::min(a.Left, b.Left), a.Top, std::max(a.Right, b.Right), a.Bottom};
    return true;
  }
  return false;
}
}  // namespace

std::vector<TRect> TabBlitPieces(const TRect& client, const TRect& strip, const TRect& page, const TRect& margins,
                                 const TRect& hole) {
  const TRect in = PageInside(page, margins);
  const int right = std::max(page.Right, page.Left), bottom = std::max(page.Bottom, page.Top);
  std::vector<TRect> whole;
  for (const TRect& r : {strip, TRect{page.Left, page.Top, right, in.Top}, TRect{page.Left, in.Bottom, right, bottom},
                         TRect{page.Left, in.Top, in.Left, in.Bottom}, TRect{in.Right, in.Top, right, in.Bottom}}) {
    const TRect c = Intersect(r, client);
    if (Empty(c)) continue;
    bool joined = false;
    for (TRect& o : whole)
      if ((joined = Join(o, c))) break;
    if (!joined) whole.push_back(c);
  }
  std::vector<TRect> pieces;
  for (const TRect& r : whole) SubtractRect(r, hole, pieces);
  return pieces;
}

std::vector<TRect> TabFillRects(const TRect& client, const TRect& strip, const TRect& page, const TRect& margins) {
  std::vector<TRect> outside, fills;
  SubtractRect(client, page, outside);
  for (const TRect& r : outside) SubtractRect(r, strip, fills);
  const TRect in = Intersect(PageInside(page, margins), client);
  if (!Empty(in)) fills.push_back(in);
  return fills;
}

TRect TabBorderMargins(TTabSide side) {
  const TRect m = BorderMargins;
  switch (side) {
    case tsTop: return m;
    case tsBottom: return {m.Left, m.Bottom, m.Right, m.Top};
    case tsLeft: return {m.Top, m.Right, m.Bottom, m.Left};   // turned anticlockwise
    case tsRight: return {m.Bottom, m.Left, m.Top, m.Right};  // turned clockwise
  }
  return m;
}

void PrepareTabImages(TTabSide side, const TDataSkinBorder* tab, TTabImages& images) {
  images.Tab.Clear();
  images.Border.Clear();
  images.TabMargins = {};
  if (!tab || tab->Bitmap.Empty()) return;
  // Tabs are drawn whether or not the skin has a page frame.
  images.Tab.Assign(tab->Bitmap);
  images.TabMargins = tab->Margins;
  if (!tab->Bitmap2.Empty()) images.Border.Assign(tab->Bitmap2);
  images.Tab.SetPixelFormat(TPixelFormat::pf24bit);
  images.Border.SetPixelFormat(TPixelFormat::pf24bit);
  switch (side) {
    case tsTop:
      break;
    case tsBottom:
      FlipBitmapVertical(images.Tab);
      FlipBitmapVertical(images.Border);
      // The flipped tab's rounded end is at the bottom now: so are its margins.
      std::swap(images.TabMargins.Top, images.TabMargins.Bottom);
      break;
    case tsLeft:
      RotateBitmapLeft(images.Border);
      break;
    case tsRight:
      RotateBitmapRight(images.Border);
      break;
  }
}

void DrawTab(TBitmap& strip, const TRect& at, const TTabImages& images, const TDataSkinObject& tab, int frame) {
  if (images.Tab.Empty()) return;
  const TElementStyle& s = tab.Style;
  DrawSkinImage(strip, at, images.Tab, false, s.Fill == TElementFill::Tile, s.Keyed, s.Frames, frame,
                images.TabMargins);
}

void TurnTabStrip(TTabSide side, const TBitmap& lying, TBitmap& standing) {
  const int w = lying.Width(), h = lying.Height();
  if (side != tsLeft && side != tsRight) {
    standing.Assign(lying);
    return;
  }
  standing.SetSize(h, w);  // kept when the size is the same: no new pixel memory per paint
  if (lying.Empty()) return;
  for (int y = 0; y < w; ++y) {
    uint32_t* row = standing.ScanLine(y);
    if (side == tsLeft) {
      // Anticlockwise: standing (x, y) is lying (w - 1 - y, x).
      for (int x = 0; x < h; ++x) row[x] = lying.ScanLine(x)[w - 1 - y] & RgbMask;
    } else {
      // Clockwise: standing (x, y) is lying (y, h - 1 - x).
      for (int x = 0; x < h; ++x) row[x] = lying.ScanLine(h - 1 - x)[y] & RgbMask;
    }
  }
}

}  // namespace pelorin
