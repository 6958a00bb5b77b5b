// Check boxes and radio buttons: the control paints itself, then the skinner
// draws a frame of the skin's check or radio strip over the system's box.
// Win32 build only.
#pragma once

#include "controls/win/WinSubClass.h"

namespace pelorin {

// What both share: the repaints after every change of the box, and the box.
class TSkinToggle : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  void AfterMessage(TMessage& message) override;
  void Paint(HDC dc, const TRect& rect) override;

protected:
  // The strip and its frame count, or nullptr when the skin has none.
  virtual const TBitmap* Strip(int& frames) const = 0;
  virtual int Frame() = 0;
};

class TSkinCheckBox : public TSkinToggle {
public:
  using TSkinToggle::TSkinToggle;

protected:
  const TBitmap* Strip(int& frames) const override;
  int Frame() override;
};

class TSkinRadioButton : public TSkinToggle {
public:
  using TSkinToggle::TSkinToggle;

protected:
  const TBitmap* Strip(int& frames) const override;
  int Frame() override;
};

}  // namespace pelorin
