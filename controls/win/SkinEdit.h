// Edits: a flat one-pixel frame in the skin's shadow colour instead of the
// sunken border, and the spin button inside an edit (a date-time picker's)
// skinned with it. Win32 build only.
#pragma once

#include "controls/win/WinSubClass.h"

namespace pelorin {

class TSkinUpDown;

class TSkinEdit : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  void AfterMessage(TMessage& message) override;
  void Paint(HDC dc, const TRect& rect) override;
  // The skinner of the spin button inside, once found (the form skinner owns it).
  TSkinUpDown* UpDown() const { return upDown_; }

private:
  // Looks for a spin button among the edit's children and skins the first.
  void FindUpDown();
  TSkinUpDown* upDown_ = nullptr;
  bool hasSpin_ = false;
};

}  // namespace pelorin
