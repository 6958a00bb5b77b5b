// Frame geometry of a skinned window, free of Windows: the frame sizes a skin
// gives, the frame kind and saved styles from window styles, the client
// rectangle the frame leaves, fitting and giving back the window size, and
// which frame area a point hits.
#pragma once

#include <cstdint>

#include "formframe/FrameTypes.h"
#include "host/core/Geometry.h"

namespace pelorin {

class TSkinModel;
class TDataSkinObject;

// A width and a height.
struct TSize {
  int cx = 0;
  int cy = 0;
  friend bool operator==(const TSize&, const TSize&) = default;
};

// Window style bits the frame reads (the values Windows gives them).
namespace ws {
inline constexpr uint32_t Popup = 0x80000000u;
inline constexpr uint32_t Child = 0x40000000u;
inline constexpr uint32_t Minimize = 0x20000000u;
inline constexpr uint32_t Maximize = 0x01000000u;
inline constexpr uint32_t Caption = 0x00C00000u;
inline constexpr uint32_t SysMenu = 0x00080000u;
inline constexpr uint32_t ThickFrame = 0x00040000u;
inline constexpr uint32_t MinimizeBox = 0x00020000u;
inline constexpr uint32_t MaximizeBox = 0x00010000u;
inline constexpr uint32_t CaptionButtons = SysMenu | MinimizeBox | MaximizeBox;
inline constexpr uint32_t ExMdiChild = 0x00000040u;
inline constexpr uint32_t ExWindowEdge = 0x00000100u;
}  // namespace ws

// Skinned frame sizes in pixels; MenuBar is the menu bar's height under the title.
struct TFrameMetrics {
  int Left = 0, Top = 0, Right = 0, Bottom = 0, MenuBar = 0;
  int Width() const { return Left + Right; }
  int Height() const { return Top + MenuBar + Bottom; }
  friend bool operator==(const TFrameMetrics&, const TFrameMetrics&) = default;
};

// What the title-bar buttons and the painter need to know of the window.
struct TFrameFacts {
  TFrameKind Kind = frFixed;
  unsigned SavedStyles = 0;  // ssSysMenu | ssMinimizeBox | ssMaximizeBox
  bool Active = true;
  TNCWindowState State = nwNormal;
  bool HasMenuBar = false;
  // An MDI frame whose active child is maximised.
  bool MdiChildMaximized = false;
};

TFrameKind FrameKindFromStyles(uint32_t style, uint32_t exStyle);
unsigned SavedStylesFrom(uint32_t style, bool hasSystemMenu);
// The style with the caption-button styles cleared, or put back as saved.
uint32_t StyleWithSysStyles(uint32_t style, unsigned savedStyles, bool restore);

// No skinned frame edge is wider than this: generous for decorated title
// bars (real skins stay well under half of it), and a window framed with it
// on every side still fits a small screen.
inline constexpr int MaxFrameEdge = 128;

// Border images: left and right hold their frames side by side, top and
// bottom stacked. A popup window gets no frame. A border whose frame count is
// below 1 counts as one frame; each edge is at most MaxFrameEdge.
TFrameMetrics MeasureFrame(const TSkinModel& skin, TFrameKind kind, int menuBarHeight);

// Frame of a border image to draw: 1 for single-frame images, else 1 active, 2 inactive.
int BorderFrameIndex(const TDataSkinObject& border, bool active);

// The client rectangle of a window at proposedWindow (parent coordinates) in
// the skinned frame; never inverted.
TRect SkinnedClientRect(const TRect& proposedWindow, const TFrameMetrics& m);
// Window size that keeps client inside the frame; menuLines menu bar heights.
TSize FittedWindowSize(TSize client, const TFrameMetrics& m, int menuLines);
// Window size after unskinning: the system frame (unskinnedFrame) replaces the
// skin's; never negative.
TSize UnskinnedWindowSize(TSize current, TSize unskinnedFrame, const TFrameMetrics& m);

// Hit-test codes (the values Windows gives them).
namespace ht {
inline constexpr int Nowhere = 0, Client = 1, Caption = 2, Menu = 5, Left = 10, Right = 11, Top = 12,
                     TopLeft = 13, TopRight = 14, Bottom = 15, BottomLeft = 16, BottomRight = 17,
                     Border = 18;
}

// Which part of a skinned window of size window a point (window
// coordinates) lies on. Sizing edges are grip pixels deep (at most the
// border) and only for sizeable, non-maximised windows; corners take grip
// pixels more along each edge. Points outside the window are Nowhere.
int FrameHitTest(TPoint p, TSize window, const TFrameMetrics& m, bool sizeable, bool maximised, int grip);

}  // namespace pelorin
