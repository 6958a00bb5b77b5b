// Fuzz target: a loaded skin of any content laid out and composed as a
// window frame would be: metrics for every frame kind, the client and fitted
// sizes, caption placement, title-button visibility and places, the menu bar
// layout, the composed borders, title, caption back and buttons, and the
// region of keyed borders. The input's form is described in SkinInput.h.
#include <cstddef>
#include <cstdint>
#include <limits>

#include "formframe/FrameCompose.h"
#include "formframe/FrameLayout.h"
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

using fuzzing::Check;

void LayOut(const TSkinModel& skin, TFrameKind kind, int w, int h, bool active) {
  const TFrameMetrics m = MeasureFrame(skin, kind, kind == frSizeable ? 19 : 0);
  // Whatever the skin says, the frame stays a size a window can have.
  for (int side : {m.Left, m.Top, m.Right, m.Bottom, m.MenuBar}) Check(side >= 0 && side <= 32767);
  const TSize fitted = FittedWindowSize({w, h}, m, 1);
  Check(fitted.cx >= w && fitted.cy >= h);

  TFrameQuery query;
  query.Window = {w, h};
  query.Facts.Kind = kind;
  query.Facts.Active = active;
  query.Facts.SavedStyles = ~0u;
  query.Facts.HasMenuBar = m.MenuBar > 0;
  query.Metrics = m;
  TBitmap icon(16, 16);
  const std::vector<TTitleButtonInput> buttons = TitleButtonsOf(skin, icon);
  query.Buttons = buttons;
  TFrameLayout layout;
  for (int textWidth : {0, 37, 5000}) {
    query.CaptionText = {textWidth, 13};
    layout = LayOutFrame(skin, query);
    Check(layout.Client.Left <= layout.Client.Right && layout.Client.Top <= layout.Client.Bottom);
    Check(layout.Caption.Text.Left <= layout.Caption.Text.Right && layout.Caption.Draw.Left <= layout.Caption.Draw.Right);
    Check(layout.Buttons.size() == skin.SysButtons.size());
  }

  // The frame composed in a bitmap of the window's size, as the painter does,
  // with every button state drawn over its place.
  TBitmap frame(w, h);
  ComposeFrame(frame, skin, layout, [&](TBitmap&, const TRect& draw, TColor) {
    Check(draw.Left <= draw.Right && draw.Top <= draw.Bottom);
  });
  for (const TButtonPlace& b : layout.Buttons) {
    if (!b.Placed) continue;
    for (TNCState state : {nsNormal, nsHot, nsPressed})
      DrawSkinFrame(frame, b.Bounds, *b.Input.Image, true, StateButtonFrame(state, b.Input.Button->Visibility));
  }
  // The keyed parts of the frame become a region. The scan visits every
  // pixel, so the large frame is scanned for one kind only: the others add
  // little coverage and tripled the time per input.
  if (kind == frSizeable || w * h <= 40 * 30) {
    const TRegionRects runs = CreateRegionRects(frame, 0, 0, 1, 1, 1, TransparentKeyColour);
    for (const TRect& r : runs) Check(r.Left >= 0 && r.Right <= w && r.Top >= 0 && r.Bottom <= h);
  }

  if (m.MenuBar > 0) {
    const TRect& bar = layout.MenuBar;
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
