// Bitmap buttons and speed buttons: glyph strips, kinds and their drawing.
#include "host/win/Buttons.h"

#include <windowsx.h>

#include <algorithm>

#include "host/win/Forms.h"
#include "host/win/Menus.h"
#include "host/win/platform/WideText.h"

namespace pelorin {

namespace {

struct TKindInfo {
  const char* caption;
  int modalResult;
};
constexpr TKindInfo kinds[] = {
    {"", mrNone},          {"OK", mrOk},         {"Cancel", mrCancel}, {"&Help", mrNone},
    {"&Yes", mrYes},       {"&No", mrNo},        {"&Close", mrNone},   {"Abort", mrAbort},
    {"&Retry", mrRetry},   {"&Ignore", mrIgnore}, {"&All", 8},
};

enum { gsUp, gsDisabled, gsDown, gsExclusive };

void DrawCaption(HDC dc, TFont& font, const TRect& r, const std::string& text, bool enabled) {
  TDCStateGuard guard(dc);
  SelectObject(dc, font.Handle());
  SetBkMode(dc, TRANSPARENT);
  RECT rc{r.Left, r.Top, r.Right, r.Bottom};
  const std::wstring w = Utf8ToWide(text);
  if (!enabled) {
    OffsetRect(&rc, 1, 1);
    SetTextColor(dc, ToColorRef(clBtnHighlight));
    DrawTextW(dc, w.c_str(), static_cast<int>(w.size()), &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    OffsetRect(&rc, -1, -1);
  }
  SetTextColor(dc, ToColorRef(enabled ? font.Color() : clBtnShadow));
  DrawTextW(dc, w.c_str(), static_cast<int>(w.size()), &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

TPoint CaptionSize(HDC dc, TFont& font, const std::string& text) {
  if (text.empty()) return {};
  TCanvas c;
  c.SetHandle(dc);
  c.Font().Assign(font);
  const std::string plain = StripHotkey(text);
  return {c.TextWidth(plain), c.TextHeight(plain)};
}

}  // namespace

void TButtonGlyph::SetGlyph(const TBitmap& b) {
  glyph_ = b;
  // A strip whose width is a whole multiple of its height holds that many images.
  if (!b.Empty() && b.Width() % b.Height() == 0) numGlyphs_ = std::clamp(b.Width() / b.Height(), 1, 4);
}

void TButtonGlyph::SetNumGlyphs(int n) { numGlyphs_ = std::clamp(n, 1, 4); }

TPoint TButtonGlyph::Size() const {
  if (glyph_.Empty()) return {};
  return {glyph_.Width() / numGlyphs_, glyph_.Height()};
}

void TButtonGlyph::Draw(TCanvas& canvas, const TRect& at, int state) {
  if (glyph_.Empty()) return;
  const TPoint size = Size();
  const int index = state < numGlyphs_ ? state : 0;
  TBitmap piece(size.X, size.Y);
  for (int y = 0; y < size.Y; ++y)
    std::copy_n(glyph_.ScanLine(y) + index * size.X, size.X, piece.ScanLine(y));
  piece.SetTransparent(true);
  piece.SetTransparentColor(glyph_.GetPixel(0, glyph_.Height() - 1));
  canvas.Draw(at.Left, at.Top, piece);
}

// --- TBitBtn ---

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner) {}

void TBitBtn::SetKind(TBitBtnKind kind) {
  kind_ = kind;
  if (kind == bkCustom) return;
  SetCaption(kinds[kind].caption);
  modalResult_ = kinds[kind].modalResult;
  if (kind == bkOK) SetDefault(true);
  if (kind == bkCancel) cancel_ = true;
}

void TBitBtn::SetGlyph(const TBitmap& b) {
  glyph_.SetGlyph(b);
  Invalidate();
}
void TBitBtn::SetNumGlyphs(int n) {
  glyph_.SetNumGlyphs(n);
  Invalidate();
}
void TBitBtn::SetLayout(TButtonLayout l) {
  layout_ = l;
  Invalidate();
}
void TBitBtn::SetMargin(int m) {
  margin_ = std::max(m, -1);
  Invalidate();
}
void TBitBtn::SetSpacing(int s) {
  spacing_ = std::max(s, -1);
  Invalidate();
}

void TBitBtn::Click() {
  if (kind_ == bkClose) {
    for (TControl* c = this; c; c = c->Parent())
      if (auto* form = dynamic_cast<TCustomForm*>(c)) {
        form->Close();
        break;
      }
    TControl::Click();
    return;
  }
  TButton::Click();
}

void TBitBtn::CreateParams(TCreateParams& p) {
  TButton::CreateParams(p);
  p.Style = (p.Style & ~DWORD(BS_DEFPUSHBUTTON | BS_PUSHBUTTON)) | BS_OWNERDRAW;
}

void TBitBtn::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CN_DRAWITEM:
      DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam));
      m.Result = TRUE;
      return;
    case WM_LBUTTONDBLCLK:
      // An owner-drawn button reports double clicks; press it like a click.
      m.Msg = WM_LBUTTONDOWN;
      break;
    default:
      break;
  }
  TButton::WndProc(m);
}

void TBitBtn::DrawItem(const DRAWITEMSTRUCT& d) {
  HDC dc = d.hDC;
  RECT r = d.rcItem;
  const bool pressed = d.itemState & ODS_SELECTED;
  const bool focused = d.itemState & ODS_FOCUS;
  const bool enabled = !(d.itemState & ODS_DISABLED);
  if (focused || default_) {
    FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    InflateRect(&r, -1, -1);
  }
  DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
  TRect client{r.left + 2, r.top + 2, r.right - 2, r.bottom - 2};
  if (pressed) client = client.Offset(1, 1);
  const TButtonPieces p = LayoutButton(client, glyph_.Size(), CaptionSize(dc, font_, text_), layout_, margin_, spacing_);
  TCanvas canvas;
  canvas.SetHandle(dc);
  glyph_.Draw(canvas, p.Glyph, !enabled ? gsDisabled : pressed ? gsDown : gsUp);
  DrawCaption(dc, font_, p.Text.Inflate(2, 0), text_, enabled);
  if (focused) {
    RECT fr{r.left + 3, r.top + 3, r.right - 3, r.bottom - 3};
    DrawFocusRect(dc, &fr);
  }
}

// --- TSpeedButton ---

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner) {
  width_ = 23;
  height_ = 22;
  color_ = clBtnFace;
}

void TSpeedButton::SetDown(bool v) {
  if (v == down_) return;
  if (!v && groupIndex_ > 0 && !allowAllUp_) return;  // one of the group stays down
  down_ = v;
  if (v && groupIndex_ > 0 && parent_)
    for (int i = 0; i < parent_->ControlCount(); ++i)
      if (auto* s = dynamic_cast<TSpeedButton*>(parent_->Controls(i)); s && s != this && s->groupIndex_ == groupIndex_) {
        s->down_ = false;
        s->Invalidate();
      }
  Invalidate();
}

void TSpeedButton::SetFlat(bool v) {
  flat_ = v;
  Invalidate();
}
void TSpeedButton::SetGlyph(const TBitmap& b) {
  glyph_.SetGlyph(b);
  Invalidate();
}
void TSpeedButton::SetNumGlyphs(int n) {
  glyph_.SetNumGlyphs(n);
  Invalidate();
}
void TSpeedButton::SetLayout(TButtonLayout l) {
  layout_ = l;
  Invalidate();
}
void TSpeedButton::SetMargin(int m) {
  margin_ = std::max(m, -1);
  Invalidate();
}
void TSpeedButton::SetSpacing(int s) {
  spacing_ = std::max(s, -1);
  Invalidate();
}

void TSpeedButton::Click() {
  if (groupIndex_ > 0) SetDown(allowAllUp_ ? !down_ : true);
  TGraphicControl::Click();
}

void TSpeedButton::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (enabled_) {
        pressing_ = true;
        Invalidate();
      }
      break;
    case WM_LBUTTONUP:
      if (pressing_) {
        pressing_ = false;
        Invalidate();
      }
      break;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      if (flat_) Invalidate();
      break;
    default:
      break;
  }
  TGraphicControl::WndProc(m);
}

void TSpeedButton::Paint() {
  TCanvas& c = Canvas();
  HDC dc = c.Handle();
  RECT r{0, 0, width_, height_};
  const bool sunk = down_ || pressing_;
  c.Brush().SetColor(down_ && !pressing_ ? clBtnHighlight : color_);
  c.FillRect(Rect(0, 0, width_, height_));
  if (!flat_ || sunk || mouseInControl_)
    DrawEdge(dc, &r, sunk ? EDGE_SUNKEN : (flat_ ? BDR_RAISEDINNER : EDGE_RAISED), BF_RECT | BF_ADJUST);
  TRect client{r.left, r.top, r.right, r.bottom};
  if (sunk) client = client.Offset(1, 1);
  const TButtonPieces p = LayoutButton(client, glyph_.Size(), CaptionSize(dc, font_, text_), layout_, margin_, spacing_);
  glyph_.Draw(c, p.Glyph, !enabled_ ? gsDisabled : pressing_ ? gsDown : down_ ? gsExclusive : gsUp);
  DrawCaption(dc, font_, p.Text.Inflate(2, 0), text_, enabled_);
}

}  // namespace pelorin
