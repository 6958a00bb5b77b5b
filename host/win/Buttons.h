// TBitBtn (an owner-drawn BUTTON with a glyph and a kind) and the windowless
// TSpeedButton.
#pragma once

#include "host/core/Bitmap.h"
#include "host/win/ButtonLayout.h"
#include "host/win/StdCtrls.h"

namespace pelorin {

enum TBitBtnKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };

// A glyph strip of NumGlyphs images side by side: up, disabled, down, exclusive.
class TButtonGlyph {
public:
  TBitmap& Glyph() { return glyph_; }
  void SetGlyph(const TBitmap& b);
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int n);
  bool Empty() const { return glyph_.Empty(); }
  TPoint Size() const;
  // Draws the image for the state (falling back to the first), with the
  // bottom-left pixel as the transparent colour.
  void Draw(TCanvas& canvas, const TRect& at, int state);

private:
  TBitmap glyph_;
  int numGlyphs_ = 1;
};

class TBitBtn : public TButton {
public:
  explicit TBitBtn(TComponent* owner);
  std::string ClassName() const override { return "TBitBtn"; }
  void DefineProperties(TFiler& filer) override;
  TBitBtnKind Kind() const { return kind_; }
  // A kind sets the caption and the modal result (bkClose closes the form).
  void SetKind(TBitBtnKind kind);
  TBitmap& Glyph() { return glyph_.Glyph(); }
  void SetGlyph(const TBitmap& b);
  int NumGlyphs() const { return glyph_.NumGlyphs(); }
  void SetNumGlyphs(int n);
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout l);
  int Margin() const { return margin_; }
  void SetMargin(int m);
  int Spacing() const { return spacing_; }
  void SetSpacing(int s);
  void Click() override;

protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;

private:
  void DrawItem(const DRAWITEMSTRUCT& d);
  TBitBtnKind kind_ = bkCustom;
  TButtonGlyph glyph_;
  TButtonLayout layout_ = blGlyphLeft;
  int margin_ = -1, spacing_ = 4;
};

class TSpeedButton : public TGraphicControl {
public:
  explicit TSpeedButton(TComponent* owner);
  std::string ClassName() const override { return "TSpeedButton"; }
  void DefineProperties(TFiler& filer) override;
  bool Down() const { return down_; }
  // In a group (GroupIndex > 0) going down lifts the others of the group.
  void SetDown(bool v);
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int g) { groupIndex_ = g; }
  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool v) { allowAllUp_ = v; }
  bool Flat() const { return flat_; }
  void SetFlat(bool v);
  TBitmap& Glyph() { return glyph_.Glyph(); }
  void SetGlyph(const TBitmap& b);
  int NumGlyphs() const { return glyph_.NumGlyphs(); }
  void SetNumGlyphs(int n);
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout l);
  int Margin() const { return margin_; }
  void SetMargin(int m);
  int Spacing() const { return spacing_; }
  void SetSpacing(int s);
  void Click() override;

protected:
  void Paint() override;
  void WndProc(TMessage& message) override;

private:
  TButtonGlyph glyph_;
  bool down_ = false, allowAllUp_ = false, flat_ = false, pressing_ = false;
  int groupIndex_ = 0;
  TButtonLayout layout_ = blGlyphLeft;
  int margin_ = -1, spacing_ = 4;
};

}  // namespace pelorin
