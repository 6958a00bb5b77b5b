// The frame layout query.
#include "formframe/FrameLayout.h"

#include <algorithm>

#include "formframe/TitleButtons.h"
#include "host/core/Bitmap.h"
#include "skinmodel/SkinModel.h"

namespace pelorin {

namespace {
bool IsIconButton(const TDataSkinSysButton& b) { return b.Action == sbaIconA || b.Action == sbaIconB; }
}  // namespace

bool ShowsWindowIcon(const TDataSkinSysButton& b, const TSkinModel& skin) {
  return IsIconButton(b) && (b.Bitmap.Empty() || skin.IconBitmap.Empty());
}

int TitleButtonFrameCount(const TDataSkinSysButton& b) { return b.Style.Frames; }

std::vector<TTitleButtonInput> TitleButtonsOf(const TSkinModel& skin, const TBitmap& windowIcon) {
  std::vector<TTitleButtonInput> buttons;
  buttons.reserve(skin.SysButtons.size());
  for (const auto& b : skin.SysButtons)
    buttons.push_back({b.get(), ShowsWindowIcon(*b, skin) ? &windowIcon : &b->Bitmap, TitleButtonFrameCount(*b)});
  return buttons;
}

TFrameLayout LayOutFrame(const TSkinModel& skin, const TFrameQuery& q) {
  const int w = q.Window.cx, h = q.Window.cy;
  const TFrameMetrics& m = q.Metrics;
  TFrameLayout l;
  l.Active = q.Facts.Active;
  l.Left = Rect(0, 0, m.Left, h);
  l.Right = Rect(w - m.Right, 0, w, h);
  l.Title = Rect(m.Left, 0, w - m.Right, m.Top);
  l.Bottom = Rect(m.Left, h - m.Bottom, w - m.Right, h);
  l.Client = SkinnedClientRect(Rect(0, 0, w, h), m);
  l.MenuBar = Rect(m.Left, m.Top, w - m.Right, m.Top + m.MenuBar);
  if (q.SystemTitleHeight > m.Top + m.MenuBar) l.TitleGap = Rect(m.Left, m.Top, w - m.Right, q.SystemTitleHeight - m.MenuBar);

  // A title with no room keeps an empty caption at its left edge.
  if (skin.Title && !l.Title.IsEmpty()) {
    l.Caption = PlaceCaption(l.Title, q.CaptionText, *skin.Title);
  } else {
    const TRect none = Rect(l.Title.Left, l.Title.Top, l.Title.Left, l.Title.Bottom);
    l.Caption = {none, none, none};
  }

  TButtonLayoutFrame place;
  place.WindowWidth = w;
  place.CaptionText = l.Caption.Text;
  place.Metrics = m;
  place.MenuBarMarginLeft = skin.MenuBar ? skin.MenuBar->Margins.Left : 0;
  l.Buttons.reserve(q.Buttons.size());
  for (const TTitleButtonInput& in : q.Buttons) {
    TButtonPlace& b = l.Buttons.emplace_back();
    b.Input = in;
    if (!in.Button) continue;
    b.Visible = IsSysButtonVisible(*in.Button, q.Facts);
    if (!b.Visible || !in.Image) continue;
    if (const auto r = LayoutSysButton(*in.Button, in.Image->Width(), in.Image->Height(), in.FrameCount, place)) {
      b.Placed = true;
      b.Bounds = *r;
    }
  }
  return l;
}

}  // namespace pelorin
