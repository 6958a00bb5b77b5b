// Skinning the status bars, progress bars, track bars, panels, group boxes
// and radio groups of a form or dialog, and flattening its tool bars, until
// the classification of every control kind takes this over. Win32 build only.
#pragma once

#include <windows.h>

namespace pelorin {

class TControlSkinnerHost;
class TSkinData;
class TWinControl;

// The framework controls of those kinds among parent's controls, at any
// depth; the number of skinners attached.
int SkinFrameworkBoxes(TControlSkinnerHost& host, TWinControl& parent, TSkinData* skin);
// The plain "msctls_statusbar32", "msctls_progress32" and "msctls_trackbar32"
// windows and "Button" group boxes among parent's child windows (framework
// controls excepted); the number attached.
int SkinDialogBoxes(TControlSkinnerHost& host, HWND parent, TSkinData* skin);

}  // namespace pelorin
