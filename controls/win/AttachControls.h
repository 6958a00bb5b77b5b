// Gives every control of a window the skinner its classification chooses:
// framework controls by their class, name and Tag, other child windows by
// class name and style. The form skinner owns what is attached. Win32 build only.
#pragma once

#include <windows.h>

namespace pelorin {

class TComponent;
class TControlSkinnerHost;
class TSkinData;

// Every component owner owns, frames and embedded forms included; the number
// of skinners attached. Controls that already have a skinner are left alone.
int AttachControls(TControlSkinnerHost& host, TComponent& owner, TSkinData* skin);
// The direct child windows of a window that is not a framework form.
int AttachChildWindows(TControlSkinnerHost& host, HWND window, TSkinData* skin);
// One child window of such a window; false when it got no skinner.
bool AttachChildWindow(TControlSkinnerHost& host, HWND child, TSkinData* skin);

}  // namespace pelorin
