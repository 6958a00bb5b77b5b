// The whole frame of a skinned window laid out by one query: the border
// parts, the client and menu bar rectangles, the caption and every title-bar
// button. Painting, the window region, hit testing and the skin preview all
// read it, so they agree on where everything is.
#pragma once

#include <span>
#include <vector>

#include "formframe/CaptionLayout.h"
#include "formframe/FrameMetrics.h"
#include "host/core/Geometry.h"

namespace pelorin {

class TBitmap;
class TDataSkinSysButton;
class TSkinModel;

// A title-bar button as a window shows it: its skin record and the image it
// shows (an icon button may show the window's icon instead of the skin's).
struct TTitleButtonInput {
  const TDataSkinSysButton* Button = nullptr;
  const TBitmap* Image = nullptr;  // null or empty: the button gets no place
  int FrameCount = 1;
};

// Icon buttons show the window's icon unless both they and the skin have an image.
bool ShowsWindowIcon(const TDataSkinSysButton& b, const TSkinModel& skin);
// The frames of the image a button shows: one for the window icon.
int TitleButtonFrameCount(const TDataSkinSysButton& b);
// Every button of the skin, in order, with windowIcon where it shows the icon.
std::vector<TTitleButtonInput> TitleButtonsOf(const TSkinModel& skin, const TBitmap& windowIcon);

struct TFrameQuery {
  TSize Window;
  TFrameFacts Facts;  // HasMenuBar and MdiChildMaximized included
  TFrameMetrics Metrics;
  TSize CaptionText;  // the caption text measured on one line
  std::span<const TTitleButtonInput> Buttons;
  // The height the system's own title and frame take above the client
  // (caption plus sizing frame); 0 when there is no system to match.
  int SystemTitleHeight = 0;
};

struct TButtonPlace {
  TTitleButtonInput Input;
  bool Visible = false;
  bool Placed = false;  // visible with an image: Bounds is its rectangle
  TRect Bounds;
};

// Rectangles in window coordinates; parts of a window smaller than its frame
// may be empty or inverted (they draw nothing).
struct TFrameLayout {
  bool Active = true;
  TRect Left, Right, Title, Bottom, Client, MenuBar;
  // Below the title, down to where the system's title would end (less the
  // menu bar): filled with the face colour before the menu bar is drawn, so
  // a skin title lower than the system's leaves nothing stale. Empty when
  // the skin's title and menu bar reach that far.
  TRect TitleGap;
  TCaptionPlace Caption;
  std::vector<TButtonPlace> Buttons;  // in the order of the query's buttons
};

TFrameLayout LayOutFrame(const TSkinModel& skin, const TFrameQuery& query);

}  // namespace pelorin
