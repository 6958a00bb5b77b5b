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
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void Paint(HDC dc, const TRect& rect) override;
  // The images are copies turned for the tabs' side: made again for a new skin.
  void ApplySkinChange(TSkinData* skinData) override;
  void PrepareImages();

  // Whether skin has tab images at all (with or without a page frame).
  static bool SkinHasTabs(const TSkinData* skin);
  TTabSide Orientation() const { return side_; }
  TTabSide OrientationFromStyle() const;
  const TTabImages& Images() const { return images_; }

private:
  // Asks the control for its items and composes the strip and the page
  // frame for a client area of this size.
  void Compose(HWND wnd, TPoint client);
  // The strip composed lying down in lying_; the captions drawn on it.
  void ComposeStrip(HWND wnd);
  // The strip put on dc at 'at', leaving out the scroll arrows' window.
  void BlitAroundUpDown(HDC dc, TPoint at, const TBitmap& strip, TPoint clientOrigin);
  void BlitPageFrame(HDC dc, TPoint at);

  TTabSide side_ = tsTop;
  TTabImages images_;
  TBitmap lying_;
  TBitmap standing_;
  TBitmap frame_;  // the page frame at the page's size; only its edges are shown
  // What the last composition is good for: every message except the
  // control's queries and painting may change the tabs. Asking the control
  // again at every paint costs more than the paint (each message passes the
  // window's subclass chain).
  bool dirty_ = true;
  bool enabledDrawn_ = true;
  TPoint client_;
  TRect page_, strip_;
  HWND upDown_ = nullptr;
};

}  // namespace pelorin
