// Edits: a flat one-pixel frame in the skin's shadow colour instead of the
// sunken border, and the spin button inside an edit (a date-time picker's)
// skinned with it. Win32 build only.
#pragma once

#include "controls/win/WinSubClass.h"

namespace pelorin {

class TSkinUpDown;

// The flat rings over a bordered edit's system edge, rect being its window
// in the window DC dc: the inner ones in the edit's own background, the
// outer one in the skin's shadow colour. Memos draw them too.
void DrawEditRings(HWND wnd, HDC dc, const TRect& rect, const TSkinData& skin, bool hasSpin, bool disabled);

class TSkinEdit : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  bool AttachControl(TWinControl* control, TSkinData* skinData, bool changeColor) override;
  bool AttachWindow(HWND wnd, TSkinData* skinData) override;
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void Paint(HDC dc, const TRect& rect) override;
  // The skinner of the spin button inside, once found (the form skinner owns it).
  TSkinUpDown* UpDown() const { return upDown_; }

private:
  // The first spin button among the edit's children, or none.
  HWND FindSpinChild() const;
  // Skins the spin button inside, if there is one. Done at attach, or when one
  // turns up later from a posted request: the form skinner may be walking its
  // skinners while this one paints.
  void FindUpDown();
  TSkinUpDown* upDown_ = nullptr;
  bool hasSpin_ = false;
  HWND triedSpin_ = nullptr;  // the last spin button tried: each is tried once
  bool searchPosted_ = false;
};

}  // namespace pelorin
