// Frame composition from the layout query's rectangles.
#include "formframe/FrameCompose.h"

#include "formframe/TitleButtons.h"
#include "paint/DrawElement.h"
#include "paint/SkinPaint.h"
#include "skinmodel/SkinModel.h"

namespace pelorin {

namespace {
// The caption back image: frame 1 behind an active title, 2 behind an inactive one.
int CaptionBackFrame(bool active) { return active ? 1 : 2; }
}  // namespace

void DrawBorderPart(TBitmap& target, const TRect& r, const TSkinModel& skin, TFramePart part, bool active) {
  const TDataSkinBorder& border = *skin.Borders[part];
  if (!r.IsEmpty()) DrawElement(target, r, border, BorderFrameIndex(border, active));
}

void DrawTitleButton(TBitmap& target, const TRect& r, const TTitleButtonInput& button, int frame) {
  // A button showing the window's icon draws that image, not the skin's.
  if (button.Image == &button.Button->Bitmap) DrawElementFrame(target, r, *button.Button, frame);
  else DrawSkinFrame(target, r, *button.Image, true, frame);
}

void ComposeSideBorders(TBitmap& target, const TSkinModel& skin, const TFrameLayout& l) {
  DrawBorderPart(target, l.Left, skin, fpLeft, l.Active);
  DrawBorderPart(target, l.Right, skin, fpRight, l.Active);
  DrawBorderPart(target, l.Bottom, skin, fpBottom, l.Active);
}

void ComposeTitle(TBitmap& target, const TSkinModel& skin, const TFrameLayout& l, const TCaptionTextDraw& text) {
  DrawBorderPart(target, l.Title, skin, fpTop, l.Active);
  if (l.Title.IsEmpty() || !skin.Title) return;
  DrawElement(target, l.Caption.Back, *skin.Title, CaptionBackFrame(l.Active));
  if (text) text(target, l.Caption.Draw, skin.colors[l.Active ? csTitleTextActive : csTitleTextInactive]);
}

void ComposeTitleButtons(TBitmap& target, const TFrameLayout& l) {
  for (const TButtonPlace& b : l.Buttons) {
    if (!b.Placed || b.Input.Image->Empty() || b.Input.Button->Visibility == MdiButtonVisibility) continue;
    DrawTitleButton(target, b.Bounds, b.Input, RestingButtonFrame(b.Input.FrameCount, l.Active));
  }
}

void ComposeTitleGap(TBitmap& target, const TSkinModel& skin, const TFrameLayout& l) {
  if (skin.FaceBrush.Exists() && !l.TitleGap.IsEmpty()) target.FillRect(l.TitleGap, skin.FaceBrush.Color());
}

void ComposeFrame(TBitmap& target, const TSkinModel& skin, const TFrameLayout& l, const TCaptionTextDraw& text) {
  ComposeSideBorders(target, skin, l);
  ComposeTitle(target, skin, l, text);
  ComposeTitleButtons(target, l);
  ComposeTitleGap(target, skin, l);
}

}  // namespace pelorin
