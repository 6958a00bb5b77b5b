// Painting the skinned frame: borders, title bar with caption text and
// buttons, composed in one off-screen bitmap and put on the window in one
// blit; the window icon and the caption font.
#include <windows.h>

#include "formframe/CaptionLayout.h"
#include "formframe/WinSkinForm.h"
#include "skinbase/win/WinGeometry.h"
#include "host/win/Graphics.h"
#include "menus/win/WinSkinMenu.h"
#include "paint/PaintTypes.h"
#include "paint/PieceBlit.h"
#include "paint/SkinPaint.h"
#include "paint/win/GdiHandles.h"
#include "skinmodel/WinSkinData.h"

namespace pelorin {

namespace {
// One frame is painted at a time (user-interface thread), so every skinner
// composes in this buffer; it grows to the largest window seen.
TBitmap& FrameBuffer(int width, int height) {
  static TBitmap buffer;
  GrowBitmap(buffer, width, height);
  return buffer;
}

// Button state repaints compose here; it only grows.
TBitmap& ButtonBuffer(int width, int height) {
  static TBitmap buffer;
  GrowBitmap(buffer, width, height);
  return buffer;
}

std::wstring WindowTextW(HWND wnd) {
  const int length = GetWindowTextLengthW(wnd);
  std::wstring text(size_t(std::max(0, length)) + 1, L'\0');
  text.resize(size_t(GetWindowTextW(wnd, text.data(), length + 1)));
  return text;
}
}  // namespace

TWinSysButton::TWinSysButton(TWinSkinForm& owner, const TDataSkinSysButton& skinButton)
    : TNCObject(owner), form_(owner), skinButton_(&skinButton) {
  if (skinButton.Action == sbaIconA || skinButton.Action == sbaIconB) {
    const TSkinData* skin = owner.SkinData();
    showsIcon_ = skinButton.Bitmap.Empty() || !skin || skin->IconBitmap.Empty();
  }
}

const TBitmap& TWinSysButton::Image() const { return showsIcon_ ? form_.formIcon_ : skinButton_->Bitmap; }

int TWinSysButton::FrameCount() const {
  const int action = skinButton_->Action;
  if (action == sbaIconA || action == sbaIconB) return 1;
  return std::max(1, int(skinButton_->FrameCount));
}

void TWinSysButton::Paint() {
  HWND wnd = form_.Handle();
  const TBitmap& image = Image();
  const int action = skinButton_->Action;
  const bool icon = action == sbaIconA || action == sbaIconB;
  if (!wnd || image.Empty() || BoundsRect.IsEmpty() || !form_.Painting()) return;
  const TBitmap& face = icon ? form_.formIcon_ : image;
  const int frame = icon ? 1 : StateButtonFrame(State, skinButton_->Visibility);
  // The button goes over the title as it was before any button was drawn,
  // so see-through pixels of one state never show another state's.
  const int w = BoundsRect.Width(), h = BoundsRect.Height();
  TBitmap& piece = ButtonBuffer(w, h);
  if (!piece.DC()) return;
  GdiFlush();
  piece.FillRect(Rect(0, 0, w, h), clBlack);  // where the title cache has nothing
  CopyPixels(piece, 0, 0, form_.titleCache_, BoundsRect);
  // MDI child buttons sit in the menu bar: their background is the bar's.
  if (const TWinSkinMenu* bar = form_.menuBar_.get(); bar && !bar->Background.Empty()) {
    const TRect over = IntersectRect(BoundsRect, bar->BarRect);
    if (!over.IsEmpty())
      CopyPixels(piece, over.Left - BoundsRect.Left, over.Top - BoundsRect.Top, bar->Background,
                 over.Offset(-bar->BarRect.Left, -bar->BarRect.Top));
  }
  DrawSkinFrame(piece, Rect(0, 0, w, h), face, true, frame);
  HDC dc = GetWindowDC(wnd);
  if (!dc) return;
  {
    // A button reaching into the client area is cut at it, as the frame is.
    TSavedDC saved(dc);
    const TRect client = form_.ClientInWindow();
    ExcludeClipRect(dc, client.Left, client.Top, client.Right, client.Bottom);
    BitBlt(dc, BoundsRect.Left, BoundsRect.Top, w, h, static_cast<HDC>(piece.DC()), 0, 0, SRCCOPY);
  }
  ReleaseDC(wnd, dc);
}

void TWinSkinForm::LoadFormIcon() {
  const int cx = GetSystemMetrics(SM_CXSMICON), cy = GetSystemMetrics(SM_CYSMICON);
  formIcon_.SetSize(cx, cy);
  formIcon_.Fill(TransparentKeyColour);
  auto icon = reinterpret_cast<HICON>(SendMessageW(wnd_, WM_GETICON, ICON_SMALL, 0));
  if (!icon) icon = reinterpret_cast<HICON>(SendMessageW(wnd_, WM_GETICON, ICON_BIG, 0));
  if (icon && formIcon_.DC()) {
    auto copy = static_cast<HICON>(CopyImage(icon, IMAGE_ICON, cx, cy, LR_COPYFROMRESOURCE));
    if (!copy) copy = static_cast<HICON>(CopyImage(icon, IMAGE_ICON, cx, cy, 0));
    DrawIconEx(static_cast<HDC>(formIcon_.DC()), 0, 0, copy ? copy : icon, cx, cy, 0, nullptr, DI_NORMAL);
    GdiFlush();
    if (copy) DestroyIcon(copy);
    return;
  }
  const TBitmap* fallback = nullptr;
  if (skin_ && !skin_->IconBitmap.Empty()) fallback = &skin_->IconBitmap;
  if (!fallback) fallback = FrameManagerLink().MainIconBitmap();
  if (fallback && !fallback->Empty()) formIcon_ = *fallback;
}

void TWinSkinForm::DrawFramePart(TFramePart part, const TRect& rect, TBitmap& target) const {
  const TDataSkinObject& border = *skin_->Borders[part];
  if (rect.IsEmpty() || border.Bitmap.Empty()) return;
  const bool vertical = part == fpTop || part == fpBottom;
  DrawSkinImage(target, rect, border.Bitmap, vertical, border.Tile != 1, false, std::max(1, int(border.FrameCount)),
                BorderFrameIndex(border, facts_.Active), border.Margins);
}

void TWinSkinForm::ComposeFrame(TBitmap& frame, int w, int h) {
  const TFrameMetrics& m = metrics_;
  DrawFramePart(fpLeft, Rect(0, 0, m.Left, h), frame);
  DrawFramePart(fpRight, Rect(w - m.Right, 0, w, h), frame);
  DrawFramePart(fpBottom, Rect(m.Left, h - m.Bottom, w - m.Right, h), frame);
  PaintTitleBar(frame, w);
}

void TWinSkinForm::PaintTitleBar(TBitmap& frame, int w) {
  const TRect title = Rect(metrics_.Left, 0, w - metrics_.Right, metrics_.Top);
  // The title under the buttons changes only with these; the caption text is
  // the costly part of a frame paint, so an unchanged title is copied back.
  // Reading the text costs more than composing the frame under some systems,
  // so it is read again only after WM_SETTEXT.
  if (!captionKnown_) {
    caption_ = WindowTextW(wnd_);
    captionKnown_ = true;
  }
  std::wstring text = caption_;
  text.append(captionSuffix_.begin(), captionSuffix_.end());
  const bool same = titleCacheValid_ && titleCache_.Width() == w && titleCache_.Height() == metrics_.Top &&
                    titleCacheActive_ == facts_.Active && titleCacheText_ == text;
  if (same) {
    // Only the title comes back: the side borders beside it follow the
    // window's height, which the cache does not know. The cache takes them
    // as painted now, for the buttons that lie over them.
    CopyPixels(frame, title.Left, 0, titleCache_, title);
    CopyPixels(titleCache_, 0, 0, frame, Rect(0, 0, title.Left, metrics_.Top));
    CopyPixels(titleCache_, title.Right, 0, frame, Rect(title.Right, 0, w, metrics_.Top));
  } else {
    DrawFramePart(fpTop, title, frame);
    DrawCaptionText(frame, title, text);
    // The cache keeps the title under the buttons for their state repaints.
    GdiFlush();
    titleCache_.SetSize(w, metrics_.Top);
    CopyPixels(titleCache_, 0, 0, frame, Rect(0, 0, w, metrics_.Top));
    titleCacheValid_ = !titleCache_.Empty();
    titleCacheActive_ = facts_.Active;
    titleCacheText_ = std::move(text);
  }
  LayoutSysButtons(w);
  DrawSysButtons(frame);
}

void TWinSkinForm::DrawCaptionText(TBitmap& target, const TRect& r, const std::wstring& text) {
  HDC dc = static_cast<HDC>(target.DC());
  if (!dc || r.IsEmpty()) {
    captionTextRect_ = Rect(r.Left, r.Top, r.Left, r.Bottom);
    return;
  }
  const TDataSkinTitle& title = *skin_->Title;

  TSavedDC saved(dc);
  SetBkMode(dc, TRANSPARENT);
  if (captionFont_) SelectObject(dc, captionFont_->Handle());
  SetTextColor(dc, ToColorRef(skin_->colors[facts_.Active ? csTitleTextActive : csTitleTextInactive]));
  RECT measure = ToRECT(r);
  DrawTextW(dc, text.c_str(), int(text.size()), &measure, DT_CALCRECT | DT_NOCLIP | DT_SINGLELINE | DT_NOPREFIX);
  const TCaptionPlace place =
      PlaceCaption(r, {measure.right - measure.left, measure.bottom - measure.top}, title);
  captionTextRect_ = place.Text;
  if (!title.Bitmap.Empty()) {
    GdiFlush();
    DrawSkinStrip(target, place.Back, title.Bitmap, true, true, 2, facts_.Active ? 1 : 2,
                  Rect(title.TextBackLeft, 0, title.TextBackRight, 0));
  }
  RECT draw = ToRECT(place.Draw);
  DrawTextW(dc, text.c_str(), int(text.size()), &draw, DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
}

void TWinSkinForm::LayoutSysButtons(int windowWidth) {
  facts_.HasMenuBar = metrics_.MenuBar > 0;
  facts_.MdiChildMaximized = HasMaximizedMDIChild();
  TButtonLayoutFrame frame;
  frame.WindowWidth = windowWidth;
  frame.CaptionText = captionTextRect_;
  frame.Metrics = metrics_;
  frame.MenuBarMarginLeft = skin_->MenuBar ? skin_->MenuBar->Margins.Left : 0;
  for (auto& b : buttons_) {
    b->Visible = IsSysButtonVisible(b->SkinButton(), facts_);
    if (!b->Visible) continue;
    const TBitmap& image = b->Image();
    if (auto r = LayoutSysButton(b->SkinButton(), image.Width(), image.Height(), b->FrameCount(), frame))
      b->BoundsRect = *r;
  }
}

void TWinSkinForm::DrawSysButtons(TBitmap& target) {
  for (auto& b : buttons_) {
    const TBitmap& image = b->Image();
    if (!b->Visible || image.Empty() || b->SkinButton().Visibility == MdiButtonVisibility) continue;
    DrawSkinFrame(target, b->BoundsRect, image, true, RestingButtonFrame(b->FrameCount(), facts_.Active));
  }
}

void TWinSkinForm::PaintFrame(HDC dc) {
  if (!Painting() || !wnd_ || !skin_ || skin_->Empty) return;
  if (mdiRole_ == mrChild && facts_.State != nwNormal) return;
  RECT wr;
  GetWindowRect(wnd_, &wr);
  windowRect_ = ToRect(wr);
  const int w = wr.right - wr.left, h = wr.bottom - wr.top;
  if (w <= 0 || h <= 0) return;
  TBitmap& frame = FrameBuffer(w, h);
  if (!frame.DC()) return;
  ComposeFrame(frame, w, h);
  PaintMenuBarInto(frame, w);
  GdiFlush();

  HDC target = dc ? dc : GetWindowDC(wnd_);
  if (target) {
    TSavedDC saved(target);
    const TRect client = SkinnedClientRect(Rect(0, 0, w, h), metrics_);
    ExcludeClipRect(target, client.Left, client.Top, client.Right, client.Bottom);
    BitBlt(target, 0, 0, w, h, static_cast<HDC>(frame.DC()), 0, 0, SRCCOPY);
  }
  if (target && !dc) ReleaseDC(wnd_, target);
  // A full repaint shows every button at rest.
  CurrentObject = nullptr;
  for (auto& b : buttons_) b->State = nsNormal;
}

}  // namespace pelorin
