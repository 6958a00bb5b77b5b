// Frame composition from the layout query's rectangles.
#include "formframe/FrameCompose.h"

#include <algorithm>

#include "formframe/TitleButtons.h"
#include "paint/SkinPaint.h"
#include "skinmodel/SkinModel.h"

namespace pelorin {

void DrawBorderPart(TBitmap& target, const TRect& r, const TSkinModel& skin, TFramePart part, bool active) {
  const TDataSkinBorder& border = *skin.Borders[part];
  if (r.IsEmpty() || border.Bitmap.Empty()) return;
  const bool vertical = part == fpTop || part == fpBottom;
  DrawSkinImage(target, r, border.Bitmap, vertical, border.Tile != 1, false, std::max(1, int(border.FrameCount)),
                BorderFrameIndex(border, active), border.Margins);
}

void ComposeSideBorders(TBitmap& target, const TSkinModel& skin, const TFrameLayout& l) {
  DrawBorderPart(target, l.Left, skin, fpLeft, l.Active);
  DrawBorderPart(target, l.Right, skin, fpRight, l.Active);
  DrawBorderPart(target, l.Bottom, skin, fpBottom, l.Active);
}

void ComposeTitle(TBitmap& target, const TSkinModel& skin, const TFrameLayout& l, const TCaptionTextDraw& text) {
  DrawBorderPart(target, l.Title, skin, fpTop, l.Active);
  if (l.Title.IsEmpty() || !skin.Title) return;
  const TDataSkinTitle& title = *skin.Title;
  if (!title.Bitmap.Empty())
    DrawSkinStrip(target, l.Caption.Back, title.Bitmap, true, true, 2, l.Active ? 1 : 2,
                  Rect(title.TextBackLeft, 0, title.TextBackRight, 0));
  if (text) text(target, l.Caption.Draw, skin.colors[l.Active ? csTitleTextActive : csTitleTextInactive]);
}

void ComposeTitleButtons(TBitmap& target, const TFrameLayout& l) {
  for (const TButtonPlace& b : l.Buttons) {
    if (!b.Placed || b.Input.Image->Empty() || b.Input.Button->Visibility == MdiButtonVisibility) continue;
    DrawSkinFrame(target, b.Bounds, *b.Input.Image, true, RestingButtonFrame(b.Input.FrameCount, l.Active));
  }
}

void ComposeFrame(TBitmap& target, const TSkinModel& skin, const TFrameLayout& l, const TCaptionTextDraw& text) {
  ComposeSideBorders(target, skin, l);
  ComposeTitle(target, skin, l, text);
  ComposeTitleButtons(target, l);
}

}  // namespace pelorin
