// Fuzz target: a loaded skin of any content laid out and composed as a
// window frame would be: metrics for every frame kind, the client and fitted
// sizes, caption placement, title-button visibility and places, the menu bar
// layout, the composed borders, title, caption back and buttons, and the
// region of keyed borders. The input's form is described in SkinInput.h.
#include <cstddef>
#include <cstdint>
#include <limits>

#include "formframe/CaptionLayout.h"
#include "formframe/FrameMetrics.h"
#include "formframe/TitleButtons.h"
#include "fuzz/SkinInput.h"
#include "menus/MenuBarLayout.h"
#include "paint/PaintTypes.h"
#include "paint/RegionScan.h"
#include "paint/SkinPaint.h"
#include "skinmodel/SkinModel.h"

using namespace pelorin;

namespace {

void Check(bool ok) {
  if (!ok) __builtin_trap();
}

void DrawPart(TBitmap& frame, const TSkinModel& skin, int index, const TRect& r, bool vertical, bool active) {
  const TDataSkinBorder& b = *skin.Borders[index];
  if (r.IsEmpty() || b.Bitmap.Empty()) return;
  DrawSkinImage(frame, r, b.Bitmap, vertical, b.Tile != 1, false, std::max(1, int(b.FrameCount)),
                BorderFrameIndex(b, active), b.Margins);
}

void LayOut(const TSkinModel& skin, TFrameKind kind, int w, int h, bool active) {
  const TFrameMetrics m = MeasureFrame(skin, kind, kind == frSizeable ? 19 : 0);
  // Whatever the skin says, the frame stays a size a window can have.
  for (int side : {m.Left, m.Top, m.Right, m.Bottom, m.MenuBar}) Check(side >= 0 && side <= 32767);
  const TRect client = SkinnedClientRect(Rect(0, 0, w, h), m);
  Check(client.Left <= client.Right && client.Top <= client.Bottom);
  const TSize fitted = FittedWindowSize({w, h}, m, 1);
  Check(fitted.cx >= w && fitted.cy >= h);

  const TRect title = Rect(m.Left, 0, w - m.Right, m.Top);
  TCaptionPlace caption{};
  if (skin.Title) {
    for (int textWidth : {0, 37, 5000}) {
      caption = PlaceCaption(title, {textWidth, 13}, *skin.Title);
      Check(caption.Text.Left <= caption.Text.Right && caption.Draw.Left <= caption.Draw.Right);
    }
  }

  TFrameFacts facts;
  facts.Kind = kind;
  facts.Active = active;
  facts.SavedStyles = ~0u;
  facts.HasMenuBar = m.MenuBar > 0;
  TButtonLayoutFrame place;
  place.WindowWidth = w;
  place.CaptionText = caption.Text;
  place.Metrics = m;
  place.MenuBarMarginLeft = skin.MenuBar ? skin.MenuBar->Margins.Left : 0;

  // The frame composed in a bitmap of the window's size, as the painter does.
  TBitmap frame(w, h);
  DrawPart(frame, skin, bdLeft, Rect(0, 0, m.Left, h), false, active);
  DrawPart(frame, skin, bdRight, Rect(w - m.Right, 0, w, h), false, active);
  DrawPart(frame, skin, bdBottom, Rect(m.Left, h - m.Bottom, w - m.Right, h), true, active);
  DrawPart(frame, skin, bdTop, title, true, active);
  if (skin.Title && !skin.Title->Bitmap.Empty())
    DrawSkinStrip(frame, caption.Back, skin.Title->Bitmap, true, true, 2, active ? 1 : 2,
                  Rect(skin.Title->TextBackLeft, 0, skin.Title->TextBackRight, 0));
  for (const auto& b : skin.SysButtons) {
    if (!IsSysButtonVisible(*b, facts)) continue;
    const auto r = LayoutSysButton(*b, b->Bitmap.Width(), b->Bitmap.Height(), std::max(1, int(b->FrameCount)), place);
    if (!r) continue;
    for (TNCState state : {nsNormal, nsHot, nsPressed})
      DrawSkinFrame(frame, *r, b->Bitmap, true, StateButtonFrame(state, b->Visibility));
  }
  // The keyed parts of the frame become a region.
  const TRegionRects runs = CreateRegionRects(frame, 0, 0, 1, 1, 1, TransparentKeyColour);
  for (const TRect& r : runs) Check(r.Left >= 0 && r.Right <= w && r.Top >= 0 && r.Bottom <= h);

  if (m.MenuBar > 0) {
    const TRect bar = Rect(m.Left, m.Top, w - m.Right, m.Top + m.MenuBar);
    const std::vector<TMenuBarEntry> items{{"&File", true}, {"", true}, {"&Edit", false}, {"Help", true}};
    const auto slots = LayoutMenuBar(items, bar, MenuBarFirstX(skin.MenuBar.get(), bar.Width()),
                                     [](const std::string& s) { return int(s.size()) * 7; });
    Check(slots.size() == items.size());
    MenuBarItemAt(items, slots, {bar.Left + 3, bar.Top + 3});
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TSkinModel skin;
  if (!fuzzing::LoadSkinFromInput(data, size, skin) || skin.Empty) return 0;
  try {
    for (TFrameKind kind : {frSizeable, frPopup, frFixed})
      for (TSize s : {TSize{1, 1}, TSize{40, 30}, TSize{320, 200}}) LayOut(skin, kind, s.cx, s.cy, s.cx != 40);
  } catch (const Exception&) {
    // A refusal by exception is an expected outcome for a hostile skin.
  }
  return 0;
}
