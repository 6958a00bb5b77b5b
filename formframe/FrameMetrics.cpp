// Frame geometry of a skinned window from its skin and styles.
#include "formframe/FrameMetrics.h"

#include <algorithm>

#include "skinmodel/SkinModel.h"

namespace pelorin {

TFrameKind FrameKindFromStyles(uint32_t style, uint32_t exStyle) {
  if ((exStyle & ws::ExWindowEdge) || (style & ws::ThickFrame)) return frSizeable;
  if ((style & ws::Popup) && (style & ws::Caption) == 0) return frPopup;
  return frFixed;
}

unsigned SavedStylesFrom(uint32_t style, bool hasSystemMenu) {
  unsigned saved = 0;
  if ((style & ws::SysMenu) || hasSystemMenu) saved |= ssSysMenu;
  if (style & ws::MinimizeBox) saved |= ssMinimizeBox;
  if (style & ws::MaximizeBox) saved |= ssMaximizeBox;
  return saved;
}

uint32_t StyleWithSysStyles(uint32_t style, unsigned savedStyles, bool restore) {
  if (!restore) return style & ~ws::CaptionButtons;
  if (savedStyles & ssSysMenu) style |= ws::SysMenu;
  if (savedStyles & ssMinimizeBox) style |= ws::MinimizeBox;
  if (savedStyles & ssMaximizeBox) style |= ws::MaximizeBox;
  return style;
}

namespace {
int FrameSpan(const TDataSkinObject& border) {
  const TElementStyle& s = border.Style;
  return std::min(MaxFrameEdge, (s.Vertical ? border.Bitmap.Height() : border.Bitmap.Width()) / s.Frames);
}
}  // namespace

TFrameMetrics MeasureFrame(const TSkinModel& skin, TFrameKind kind, int menuBarHeight) {
  TFrameMetrics m;
  if (kind == frPopup) return m;
  m.Left = FrameSpan(*skin.Borders[bdLeft]);
  m.Right = FrameSpan(*skin.Borders[bdRight]);
  m.Top = FrameSpan(*skin.Borders[bdTop]);
  m.Bottom = FrameSpan(*skin.Borders[bdBottom]);
  m.MenuBar = std::max(0, menuBarHeight);
  return m;
}

int BorderFrameIndex(const TDataSkinObject& border, bool active) {
  if (border.Style.Frames <= 1) return 1;
  return active ? 1 : 2;
}

TRect SkinnedClientRect(const TRect& w, const TFrameMetrics& m) {
  TRect r{w.Left + m.Left, w.Top + m.Top + m.MenuBar, w.Right - m.Right, w.Bottom - m.Bottom};
  // A window smaller than its frame keeps an empty client area inside it.
  r.Right = std::max(r.Right, r.Left);
  r.Bottom = std::max(r.Bottom, r.Top);
  return r;
}

TSize FittedWindowSize(TSize client, const TFrameMetrics& m, int menuLines) {
  return {client.cx + m.Left + m.Right, client.cy + m.Top + m.Bottom + m.MenuBar * menuLines};
}

TSize UnskinnedWindowSize(TSize current, TSize unskinnedFrame, const TFrameMetrics& m) {
  // A window squeezed below its skinned frame comes back at no size, not a negative one.
  return {std::max(0, current.cx + unskinnedFrame.cx - m.Left - m.Right),
          std::max(0, current.cy + unskinnedFrame.cy - m.Top - m.MenuBar - m.Bottom)};
}

int FrameHitTest(TPoint p, TSize window, const TFrameMetrics& m, bool sizeable, bool maximised, int grip) {
  if (p.X < 0 || p.Y < 0 || p.X >= window.cx || p.Y >= window.cy) return ht::Nowhere;
  const TRect client = SkinnedClientRect(Rect(0, 0, window.cx, window.cy), m);
  if (client.Contains(p)) return ht::Client;
  if (p.X >= m.Left && p.X < window.cx - m.Right && p.Y >= m.Top && p.Y < m.Top + m.MenuBar) return ht::Menu;
  if (sizeable && !maximised && grip > 0) {
    const bool left = p.X < std::min(grip, m.Left);
    const bool right = p.X >= window.cx - std::min(grip, m.Right);
    const bool top = p.Y < std::min(grip, m.Top);
    const bool bottom = p.Y >= window.cy - std::min(grip, m.Bottom);
    // Corners reach along each edge so they are easy to catch.
    const int reach = 2 * grip;
    const bool nearLeft = p.X < std::max(m.Left, reach), nearRight = p.X >= window.cx - std::max(m.Right, reach);
    const bool nearTop = p.Y < std::max(m.Top, reach), nearBottom = p.Y >= window.cy - std::max(m.Bottom, reach);
    if ((top && nearLeft) || (left && nearTop)) return ht::TopLeft;
    if ((top && nearRight) || (right && nearTop)) return ht::TopRight;
    if ((bottom && nearLeft) || (left && nearBottom)) return ht::BottomLeft;
    if ((bottom && nearRight) || (right && nearBottom)) return ht::BottomRight;
    if (left) return ht::Left;
    if (right) return ht::Right;
    if (top) return ht::Top;
    if (bottom) return ht::Bottom;
  }
  if (p.Y < m.Top) return ht::Caption;
  return ht::Border;
}

}  // namespace pelorin
