// Scroll bars of scrolling controls (memos, list boxes, grids, rich edits,
// tree views, scroll boxes, list views): the window's own bars are drawn from
// the skin over whatever the system drew, in the system's geometry, and a
// press on a thumb can run the skinner's own drag. Win32 build only.
#pragma once

#include "controls/ScrollBarImage.h"
#include "controls/win/WinSubClass.h"

namespace pelorin {

// A bar's last picture: a bar that looks as before is only blitted again.
struct TBarCache {
  TBitmap Picture;
  TBarLook Look;
  const TSkinModel* Skin = nullptr;
  void Clear() { Skin = nullptr; }
};

// The bar composed from the skin at barRect's size (or taken from the cache
// when nothing changed) and put on dc in one blit.
void DrawSkinBar(HDC dc, const TRect& barRect, const TSkinModel& skin, const TBarLook& look, TBarCache& cache);
// The system's arrow size along a bar and the thumb of a bar without a page.
int SystemArrowSize(bool vertical);
int SystemFixedThumb(bool vertical);
// A screen point as the window's DC sees it (mirrored for right-to-left windows).
TPoint ScreenToWindowPoint(HWND wnd, TPoint screen);

class TSkinScrollBar : public TSkinControl {
public:
  explicit TSkinScrollBar(TControlSkinnerHost& owner);
  ~TSkinScrollBar() override;

  // A framework control: its WindowProc is taken, nothing else about it
  // changes. With handleClicks a press on a thumb runs our own drag.
  bool AttachScrollBars(TWinControl* control, TSkinData* skinData, bool handleClicks);
  bool AttachControl(TWinControl* control, TSkinData* skinData, bool changeColor) override;
  // A plain window with scroll bars; thumbs are dragged by our own loop.
  bool AttachWindow(HWND wnd, TSkinData* skinData) override;
  // The system draws the bars again afterwards.
  void Detach() override;
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void PaintNow() override;
  void Paint(HDC dc, const TRect& rect) override;
  void ApplySkinChange(TSkinData* skinData) override;

  int PressedPart() const { return pressedPart_; }
  bool Tracking() const { return tracking_; }
  bool HandleClicks() const { return handleClicks_; }
  // At the last paint: bar rectangles in window coordinates, and each bar's
  // metrics and scroll values (0 horizontal, 1 vertical).
  const TBarRects& Bars() const { return bars_; }
  const TBarMetrics& Metrics(int bar) const { return metrics_[bar & 1]; }
  const TScrollValues& Values(int bar) const { return values_[bar & 1]; }

protected:
  void ComputeBarRects();
  void DrawBar(HDC dc, const TRect& barRect, int bar);
  // Updates the bar's metrics and values unless a drag holds them.
  void ComputeThumb(const TRect& barRect, int bar);
  int HitTestBar(int pos, int bar) const { return pelorin::HitTestBar(pos, metrics_[bar & 1]); }
  // A press on a thumb starts the drag; true when it was ours.
  bool NCButtonDown(TMessage& message);
  void TrackThumb(int bar, TPoint start);

private:
  class TDragSource;
  struct TSnapshot {
    LONG_PTR Style = 0;
    TScrollValues Bars[2];
    bool operator==(const TSnapshot&) const;
  };
  void Init(bool handleClicks);
  TSnapshot Take() const;
  // The bar's scroll values, when the style shows it and the system has them.
  bool ReadBar(int bar, LONG_PTR style, TScrollValues& values) const;
  // The system draws its bars on scroll changes without telling anyone:
  // paint again after the messages that may have led it to.
  void RepaintIfChanged(const TMessage& message);
  bool OnScrollMessage(TMessage& message);

  int pressedPart_ = ppNone;
  LONG_PTR style_ = 0, exStyle_ = 0;
  bool tracking_ = false;
  bool handleClicks_ = false;
  bool editRings_ = false;  // a bordered memo or rich edit: its ring is drawn too
  bool inScroll_[2] = {false, false};
  TBarRects bars_;
  TBarMetrics metrics_[2];
  TScrollValues values_[2];
  TSnapshot painted_;  // as read by the last paint
  bool read_[2] = {false, false};
  // The bar layout and the system sizes it was made with.
  bool layoutStale_ = true;
  LONG_PTR layoutStyle_ = 0;
  int arrowSize_[2] = {0, 0};
  int fixedThumb_[2] = {0, 0};
  TBarCache cache_[2];
};

}  // namespace pelorin
