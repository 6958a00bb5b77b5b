// Tab controls: the strip of tabs and the page frame painted from the skin's
// tab images over what the control drew, for tabs on any side. The
// control's own scroll arrows stay on top of the strip. Win32 build only.
#pragma once

#include "controls/TabLayout.h"
#include "controls/win/WinSubClass.h"

namespace pelorin {

class TSkinTab : public TSkinControl {
public:
  using TSkinControl::TSkinControl;
  bool AttachWindow(HWND wnd, TSkinData* skinData) override;
  void AfterMessage(TMessage& message) override;
  void Paint(HDC dc, const TRect& rect) override;
  // The images are copies turned for the tabs' side: made again for a new skin.
  void ApplySkinChange(TSkinData* skinData) override;
  void PrepareImages();

  TTabSide Orientation() const { return side_; }
  TTabSide OrientationFromStyle() const;
  const TTabImages& Images() const { return images_; }

private:
  // The strip composed lying down in lying_; the captions drawn on it.
  void ComposeStrip(const TRect& strip, HWND wnd);
  // The strip put on dc at 'at', leaving out the scroll arrows' window.
  void BlitAroundUpDown(HDC dc, const TRect& at, const TBitmap& strip, HWND upDown, TPoint clientOrigin);

  TTabSide side_ = tsTop;
  TTabImages images_;
  TBitmap lying_;
  TBitmap standing_;
};

}  // namespace pelorin
