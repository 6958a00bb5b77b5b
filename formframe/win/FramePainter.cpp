// Painting the skinned frame: borders, title bar with caption text and
// buttons, composed in one off-screen bitmap and put on the window in one
// blit, and the caption text's measure.
#include <windows.h>

#include "formframe/FrameCompose.h"
#include "formframe/WinSkinForm.h"
#include "skinbase/win/WinGeometry.h"
#include "host/win/Graphics.h"
#include "menus/win/WinSkinMenu.h"
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
  const TSkinData* skin = owner.SkinData();
  const bool icon = skinButton.Action == sbaIconA || skinButton.Action == sbaIconB;
  showsIcon_ = skin ? ShowsWindowIcon(skinButton, *skin) : icon;
}

const TBitmap& TWinSysButton::Image() const { return showsIcon_ ? form_.formIcon_ : skinButton_->Bitmap; }

int TWinSysButton::FrameCount() const { return TitleButtonFrameCount(*skinButton_); }

void TWinSysButton::Paint() {
  HWND wnd = form_.Handle();
  const TBitmap& image = Image();
  const int action = skinButton_->Action;
  const bool icon = action == sbaIconA || action == sbaIconB;
  if (!wnd || image.Empty() || BoundsRect.IsEmpty() || !form_.Painting()) return;
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
  DrawTitleButton(piece, Rect(0, 0, w, h), {skinButton_, &image, FrameCount()}, frame);
  HDC dc = GetWindowDC(wnd);
  if (!dc) return;
  {
    // A button reaching into the client area is cut at it, as the frame is.
    TDCStateGuard saved(dc);
    const TRect client = form_.ClientInWindow();
    ExcludeClipRect(dc, client.Left, client.Top, client.Right, client.Bottom);
    BitBlt(dc, BoundsRect.Left, BoundsRect.Top, w, h, static_cast<HDC>(piece.DC()), 0, 0, SRCCOPY);
  }
  ReleaseDC(wnd, dc);
}

TSize TWinSkinForm::WindowSize() const {
  RECT wr;
  if (!wnd_ || !GetWindowRect(wnd_, &wr)) return {};
  return {wr.right - wr.left, wr.bottom - wr.top};
}

const std::wstring& TWinSkinForm::CaptionText() {
  // Reading the text costs more than composing the frame under some
  // systems, so it is read again only after WM_SETTEXT.
  if (!captionKnown_) {
    std::wstring text = WindowTextW(wnd_);
    text.append(captionSuffix_.begin(), captionSuffix_.end());
    if (text != caption_) captionSizeKnown_ = false;
    caption_ = std::move(text);
    captionKnown_ = true;
  }
  return caption_;
}

TSize TWinSkinForm::CaptionTextSize() {
  const std::wstring& text = CaptionText();
  if (captionSizeKnown_) return captionSize_;
  captionSize_ = {};
  TMemoryDC dc;
  if (!dc) return captionSize_;
  {
    TSelectGuard font(dc.Get(), captionFont_ ? captionFont_->Handle() : GetStockObject(SYSTEM_FONT));
    RECT measure{0, 0, 0, 0};
    DrawTextW(dc.Get(), text.c_str(), int(text.size()), &measure, DT_CALCRECT | DT_NOCLIP | DT_SINGLELINE | DT_NOPREFIX);
    captionSize_ = {measure.right - measure.left, measure.bottom - measure.top};
  }
  captionSizeKnown_ = true;
  return captionSize_;
}

TFrameLayout TWinSkinForm::LayOutNow(TSize window) {
  facts_.HasMenuBar = metrics_.MenuBar > 0;
  facts_.MdiChildMaximized = HasMaximizedMDIChild();
  buttonInputs_.clear();
  for (const auto& b : buttons_) buttonInputs_.push_back({&b->SkinButton(), &b->Image(), b->FrameCount()});
  TFrameQuery query;
  query.Window = window;
  query.Facts = facts_;
  query.Metrics = metrics_;
  query.CaptionText = CaptionTextSize();
  query.Buttons = buttonInputs_;
  query.SystemTitleHeight = systemTitleHeight_;
  TFrameLayout layout = LayOutFrame(*skin_, query);
  captionTextRect_ = layout.Caption.Text;
  // A hidden button, or one without an image, keeps its last rectangle.
  for (size_t i = 0; i < buttons_.size(); ++i) {
    buttons_[i]->Visible = layout.Buttons[i].Visible;
    if (layout.Buttons[i].Placed) buttons_[i]->BoundsRect = layout.Buttons[i].Bounds;
  }
  return layout;
}

void TWinSkinForm::PaintTitleBar(TBitmap& frame, const TFrameLayout& layout) {
  const TRect& title = layout.Title;
  const int w = layout.Right.Right, top = metrics_.Top;
  // The title under the buttons changes only with these; the caption text is
  // the costly part of a frame paint, so an unchanged title is copied back.
  const std::wstring& text = CaptionText();
  const bool same = titleCacheValid_ && titleCache_.Width() == w && titleCache_.Height() == top &&
                    titleCacheActive_ == facts_.Active && titleCacheText_ == text;
  if (same) {
    // Only the title comes back: the side borders beside it follow the
    // window's height, which the cache does not know. The cache takes them
    // as painted now, for the buttons that lie over them.
    CopyPixels(frame, title.Left, 0, titleCache_, title);
    CopyPixels(titleCache_, 0, 0, frame, Rect(0, 0, title.Left, top));
    CopyPixels(titleCache_, title.Right, 0, frame, Rect(title.Right, 0, w, top));
  } else {
    ComposeTitle(frame, *skin_, layout,
                 [this](TBitmap& target, const TRect& draw, TColor colour) { DrawCaptionText(target, draw, colour); });
    // The cache keeps the title under the buttons for their state repaints.
    GdiFlush();
    titleCache_.SetSize(w, top);
    CopyPixels(titleCache_, 0, 0, frame, Rect(0, 0, w, top));
    titleCacheValid_ = !titleCache_.Empty();
    titleCacheActive_ = facts_.Active;
    titleCacheText_ = text;
  }
  ComposeTitleButtons(frame, layout);
  ComposeTitleGap(frame, *skin_, layout);
}

void TWinSkinForm::DrawCaptionText(TBitmap& target, const TRect& draw, TColor colour) {
  HDC dc = static_cast<HDC>(target.DC());
  if (!dc) return;
  {
    TDCStateGuard saved(dc);
    SetBkMode(dc, TRANSPARENT);
    if (captionFont_) SelectObject(dc, captionFont_->Handle());
    SetTextColor(dc, ToColorRef(colour));
    RECT r = ToRECT(draw);
    DrawTextW(dc, caption_.c_str(), int(caption_.size()), &r, DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
  }
  // The buttons go on the same pixels next.
  GdiFlush();
}

void TWinSkinForm::PaintFrame(HDC dc) {
  if (!Painting() || !wnd_ || !skin_ || skin_->Empty) return;
  if (mdiRole_ == mrChild && facts_.State != nwNormal) return;
  RECT wr;
  GetWindowRect(wnd_, &wr);
  const int w = wr.right - wr.left, h = wr.bottom - wr.top;
  if (w <= 0 || h <= 0) return;
  TBitmap& frame = FrameBuffer(w, h);
  if (!frame.DC()) return;
  const TFrameLayout layout = LayOutNow({w, h});
  ComposeSideBorders(frame, *skin_, layout);
  PaintTitleBar(frame, layout);
  PaintMenuBarInto(frame, w);
  GdiFlush();

  HDC target = dc ? dc : GetWindowDC(wnd_);
  if (target) {
    TDCStateGuard saved(target);
    const TRect& client = layout.Client;
    ExcludeClipRect(target, client.Left, client.Top, client.Right, client.Bottom);
    BitBlt(target, 0, 0, w, h, static_cast<HDC>(frame.DC()), 0, 0, SRCCOPY);
  }
  if (target && !dc) ReleaseDC(wnd_, target);
  // A full repaint shows every button at rest.
  CurrentObject = nullptr;
  for (auto& b : buttons_) b->State = nsNormal;
}

}  // namespace pelorin
