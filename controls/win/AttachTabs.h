// Skinning the tab controls and stand-alone headers of a form or dialog,
// until the classification of every control kind takes this over. Win32
// build only.
#pragma once

#include <windows.h>

namespace pelorin {

class TControlSkinnerHost;
class TSkinData;
class TWinControl;

// The framework page controls and tab controls among parent's controls, at
// any depth, when the skin has a tab image; the number attached.
int SkinFrameworkTabs(TControlSkinnerHost& host, TWinControl& parent, TSkinData* skin);
// The plain "SysTabControl32" windows among parent's child windows (framework
// controls and owner-drawn tab controls excepted), when the skin has a tab
// image; the number attached.
int SkinDialogTabs(TControlSkinnerHost& host, HWND parent, TSkinData* skin);
// The plain "SysHeader32" windows among parent's child windows that are not
// a list view's own header; the number attached.
int SkinDialogHeaders(TControlSkinnerHost& host, HWND parent, TSkinData* skin);

}  // namespace pelorin
