// Bitmap buttons (TBitBtn) and speed buttons (TSpeedButton): the skin's
// button image with the framework glyph and caption laid out over it.
// Win32 build only.
#pragma once

#include <memory>

#include "controls/GlyphLayout.h"
#include "controls/win/SkinButton.h"

namespace pelorin {

class TSpeedButton;
class TComponent;

class TSkinBitButton : public TSkinButton {
public:
  using TSkinButton::TSkinButton;
  void Paint(HDC dc, const TRect& rect) override;

protected:
  struct TGlyphCaption {
    TBitmap* Glyph = nullptr;
    int NumGlyphs = 1;
    int Index = 1;
    int Side = gsLeft;
    int Margin = -1;
    int Spacing = 4;
    std::wstring Caption;
  };
  // Glyph and caption over the face already in the shared buffer (r at the origin).
  void DrawGlyphAndCaption(const TRect& r, const TGlyphCaption& what, COLORREF colour, bool enabled,
                           TGlyphButtonKind kind);
};

class TSkinSpeedButton : public TSkinBitButton {
public:
  explicit TSkinSpeedButton(TControlSkinnerHost& owner);
  ~TSkinSpeedButton() override;
  // Used instead of AttachControl: the button has no window of its own.
  bool AttachSpeedButton(TSpeedButton* button, TSkinData* skinData);
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  // Paints on the parent window at the button's place.
  void PaintNow() override;
  // rect: where the button is on dc.
  void PaintSpeedButton(HDC dc, const TRect& rect);
  TSpeedButton* SpeedButton() const { return speed_; }

protected:
  int Frame() const override;

private:
  friend class TSpeedButtonWatch;
  void ButtonFreed();
  TSpeedButton* speed_ = nullptr;
  std::unique_ptr<TComponent> watch_;  // told when the button is freed
};

}  // namespace pelorin
