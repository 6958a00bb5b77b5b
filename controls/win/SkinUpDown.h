// Up-down (spin) buttons drawn wholly from the skin's colours, with line
// arrows. Win32 build only.
#pragma once

#include "controls/win/WinSubClass.h"

namespace pelorin {

class TSkinUpDown : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  bool BeforeMessage(TMessage& message) override;
  void Paint(HDC dc, const TRect& rect) override;
  // One half: filled with the face or (pressed, hot) the shadow colour,
  // outlined and arrowed in the dark shadow colour.
  void DrawUpDownPart(TCanvas& canvas, const TRect& rect, int direction, int frame);
};

}  // namespace pelorin
