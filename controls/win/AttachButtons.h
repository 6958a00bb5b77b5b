// Skinning the push buttons of a form or dialog, until the classification
// of every control kind takes this over. Win32 build only.
#pragma once

#include <windows.h>

namespace pelorin {

class TControlSkinnerHost;
class TSkinData;
class TWinControl;

// The framework push, bitmap and speed buttons among parent's controls, at
// any depth; the number attached.
int SkinFrameworkButtons(TControlSkinnerHost& host, TWinControl& parent, TSkinData* skin);
// The plain "Button" push buttons among parent's child windows (framework
// controls excepted); the number attached.
int SkinDialogButtons(TControlSkinnerHost& host, HWND parent, TSkinData* skin);

}  // namespace pelorin
