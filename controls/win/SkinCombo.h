// Drop-down combo boxes: the control paints itself, then the skinner draws
// the skin's drop-down button, arrow and sunken border over its edges.
// Win32 build only.
#pragma once

#include "controls/win/WinSubClass.h"

namespace pelorin {

class TSkinComBox : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  void AfterMessage(TMessage& message) override;
  void Paint(HDC dc, const TRect& rect) override;

private:
  // Focus sits in the edit part of a drop-down combo; the open list counts as pressed.
  bool FocusInside() const;
  bool Dropped() const;
};

}  // namespace pelorin
