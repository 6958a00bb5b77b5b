// Bitmap and speed buttons: painting the glyph and caption over the skin's
// button image, and the speed button's windowless message handling.
#include "controls/win/SkinGlyphButtons.h"

#include "controls/ButtonFrames.h"
#include "host/win/Buttons.h"
#include "host/win/Graphics.h"
#include "host/win/platform/WideText.h"
#include "skinmodel/WinSkinData.h"

namespace pelorin {

namespace {
bool HasImage(const TSkinData* skin) { return skin && skin->Buttons && !skin->Buttons->Bitmap.Empty(); }
}  // namespace

void TSkinBitButton::DrawGlyphAndCaption(const TRect& r, const TGlyphCaption& what, COLORREF colour, bool enabled,
                                         TGlyphButtonKind kind) {
  HDC buffer = BufferDC();
  if (!buffer) return;
  const bool hasGlyph = what.Glyph && !what.Glyph->Empty() && what.NumGlyphs > 0;
  const TPoint glyphSize = hasGlyph ? TPoint{what.Glyph->Width() / what.NumGlyphs, what.Glyph->Height()} : TPoint{};
  TPoint textSize{};
  if (!what.Caption.empty()) {
    RECT m{0, 0, r.Width(), r.Height()};
    DrawTextW(buffer, what.Caption.c_str(), static_cast<int>(what.Caption.size()), &m, DT_CALCRECT);
    textSize = {m.right - m.left, m.bottom - m.top};
  }
  const TGlyphPlacement at = LayOutGlyphButton({r.Width(), r.Height()}, glyphSize, textSize, what.Side, what.Margin,
                                               what.Spacing, kind);
  if (hasGlyph) DrawGlyph(Buffer(), at.Glyph, what.NumGlyphs, what.Index, *what.Glyph);
  if (what.Caption.empty()) return;
  GdiFlush();
  SetBkMode(buffer, TRANSPARENT);
  SetTextColor(buffer, enabled ? colour : GetSysColor(COLOR_BTNSHADOW));
  RECT t{at.Text.Left, at.Text.Top, at.Text.Right, at.Text.Bottom};
  DrawTextW(buffer, what.Caption.c_str(), static_cast<int>(what.Caption.size()), &t, static_cast<UINT>(at.Format));
}

void TSkinBitButton::Paint(HDC dc, const TRect& rect) {
  auto* button = dynamic_cast<TBitBtn*>(Control());
  if (!button || !HasImage(SkinData())) return;
  RefreshFacts();
  const int frame = Frame();
  const TRect r = Rect(0, 0, rect.Width(), rect.Height());
  DrawElementFace(r, *SkinData()->Buttons, frame);
  HDC buffer = BufferDC();
  if (!buffer) return;
  HGDIOBJ oldFont = SelectObject(buffer, Font());
  TGlyphCaption what;
  what.Glyph = &button->Glyph();
  what.NumGlyphs = button->NumGlyphs();
  what.Index = 1;  // a bitmap button always shows the first glyph
  what.Side = button->Layout();
  what.Margin = button->Margin();
  what.Spacing = button->Spacing();
  what.Caption = Caption().empty() ? Utf8ToWide(button->Caption()) : Caption();
  DrawGlyphAndCaption(r, what, ToColorRef(ButtonCaptionColour(frame, Enabled(), CaptionColours())), Enabled(),
                      TGlyphButtonKind::Bit);
  SelectObject(buffer, oldFont);
  BlitBuffer(dc, rect);
}

// Tells the skinner that its speed button is being freed.
class TSpeedButtonWatch : public TComponent {
public:
  explicit TSpeedButtonWatch(TSkinSpeedButton& skinner) : TComponent(nullptr), skinner_(skinner) {}
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == skinner_.SpeedButton()) skinner_.ButtonFreed();
  }

private:
  TSkinSpeedButton& skinner_;
};

TSkinSpeedButton::TSkinSpeedButton(TControlSkinnerHost& owner)
    : TSkinBitButton(owner), watch_(std::make_unique<TSpeedButtonWatch>(*this)) {}

TSkinSpeedButton::~TSkinSpeedButton() {
  if (speed_) watch_->RemoveFreeNotification(speed_);
}

bool TSkinSpeedButton::AttachSpeedButton(TSpeedButton* button, TSkinData* skinData) {
  if (Attached() || !button || !Register(button)) return false;
  speed_ = button;
  SetSkinDataOnly(skinData);
  HookWindowProc(button);
  watch_->FreeNotification(button);
  if (button->Parent()) button->Invalidate();
  return true;
}

void TSkinSpeedButton::ButtonFreed() {
  speed_ = nullptr;
  ForgetControl();
}

bool TSkinSpeedButton::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT:
      if (!m.WParam || !speed_) return true;
      // The framework hands the parent's DC moved to the button's origin.
      PaintSpeedButton(reinterpret_cast<HDC>(m.WParam), Rect(0, 0, speed_->Width(), speed_->Height()));
      m.Result = 1;
      return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      const std::shared_ptr<bool> alive = Alive();
      CallPrevious(m);  // the button does its own press handling
      if (!*alive) return false;
      SetState(ssPressed, true);
      PaintNow();
      return false;
    }
    default:
      return true;
  }
}

void TSkinSpeedButton::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case CM_MOUSEENTER:
      SetState(ssHot, true);
      break;
    case CM_MOUSELEAVE:
      SetState(ssHot, false);
      SetState(ssPressed, false);
      break;
    case WM_LBUTTONUP:
      SetState(ssPressed, false);
      break;
    case WM_KEYDOWN:
    case WM_KEYUP:
      if (m.WParam != VK_SPACE) return;
      SetState(ssPressed, m.Msg == WM_KEYDOWN);
      break;
    default:
      return;
  }
  PaintNow();
}

void TSkinSpeedButton::PaintNow() {
  if (!speed_ || !speed_->Parent() || !speed_->Parent()->HandleAllocated() || !speed_->Visible()) return;
  const HWND parent = speed_->Parent()->Handle();
  HDC dc = GetDC(parent);
  if (!dc) return;
  try {
    PaintSpeedButton(dc, speed_->BoundsRect());
  } catch (...) {
    // Painting never reports.
  }
  ReleaseDC(parent, dc);
}

int TSkinSpeedButton::Frame() const {
  if (!speed_) return cfNormal;
  return SpeedButtonFrame({Hot(), Pressed(), false, speed_->Enabled(), speed_->Down()});
}

void TSkinSpeedButton::PaintSpeedButton(HDC dc, const TRect& rect) {
  if (!speed_ || !HasImage(SkinData())) return;
  const int frame = Frame();
  const TRect r = Rect(0, 0, rect.Width(), rect.Height());
  DrawElementFace(r, *SkinData()->Buttons, frame);
  HDC buffer = BufferDC();
  if (!buffer) return;
  HGDIOBJ oldFont = SelectObject(buffer, speed_->Font().Handle());
  const bool enabled = speed_->Enabled();
  const COLORREF colour = ToColorRef(ButtonCaptionColour(frame, enabled, CaptionColours()));
  TGlyphCaption what;
  what.Glyph = &speed_->Glyph();
  what.NumGlyphs = speed_->NumGlyphs();
  what.Index = SpeedButtonGlyph(frame, what.NumGlyphs);
  what.Side = speed_->Layout();
  what.Margin = speed_->Margin();
  what.Spacing = speed_->Spacing();
  what.Caption = Utf8ToWide(speed_->Caption());
  if (!what.Glyph->Empty()) {
    DrawGlyphAndCaption(r, what, colour, enabled, TGlyphButtonKind::Speed);
  } else {
    SetTextColor(buffer, colour);
    DrawCaption(buffer, r, 1, enabled, what.Caption);
  }
  SelectObject(buffer, oldFont);
  BlitBuffer(dc, rect);
}

}  // namespace pelorin
