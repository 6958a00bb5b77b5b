// Skinning the scroll bars of a form or dialog, until the classification of
// every control kind takes this over. Win32 build only.
#pragma once

#include <windows.h>

namespace pelorin {

class TControlSkinnerHost;
class TSkinData;
class TWinControl;

// Among parent's framework controls, at any depth: scrolling controls
// (memos, rich edits, grids, list boxes, tree views, scroll boxes, list views
// and controls with scroll bars or Tag 55) and TScrollBar controls; for the
// top call also the plain "ScrollBar" windows inside parent. The number attached.
int SkinFrameworkScrollBars(TControlSkinnerHost& host, TWinControl& parent, TSkinData* skin);
// The plain "ScrollBar" windows among parent's child windows (framework
// controls excepted): size boxes and grips get a TSkinSizer, bars a
// TSkinScControl. The number attached.
int SkinDialogScrollBars(TControlSkinnerHost& host, HWND parent, TSkinData* skin);

}  // namespace pelorin
