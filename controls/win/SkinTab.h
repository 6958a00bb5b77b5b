// Tab controls: the strip of tabs and the page frame painted from the skin's
// tab images, for tabs on any side. With a page frame in the skin the whole
// control is the skin's; without one the strip goes over what the control
// drew. The control's own scroll arrows stay on top. Win32 build only.
#pragma once

#include <vector>

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
  // Composes again when a message made the last composition stale; false
  // when there is nothing to draw.
  bool Refresh();
  // Whether the skin draws the whole control (it has a page frame).
  bool PaintsWhole() const;
  // The strip and the frame's edges put on dc with the client's origin at
  // 'at', leaving out the scroll arrows' window.
  void BlitAroundUpDown(HDC dc, TPoint at);
  // The rest of the client in the skin's face colour, as an erase would.
  void FillRest(HDC dc);

  TTabSide side_ = tsTop;
  TTabImages images_;
  TBitmap lying_;
  TBitmap standing_;
  TBitmap frame_;  // the page frame at the page's size; only its edges are shown
  TBitmap whole_;  // strip and frame edges in client coordinates
  std::vector<TRect> pieces_;  // what a repaint blits out of whole_
  std::vector<TRect> fills_;   // the rest of the client, when the skin paints it all
  TPoint clientInWindow_;
  // What the last composition is good for: every message except the
  // control's queries and painting may change the tabs. Asking the control
  // again at every paint costs more than the paint (each message passes the
  // window's subclass chain).
  bool dirty_ = true;
  TRect page_, strip_;
};

}  // namespace pelorin
