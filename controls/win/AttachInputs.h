// Skinning the check boxes, radio buttons, combo boxes, edits and up-down
// controls of a form or dialog, until the classification of every control
// kind takes this over. Win32 build only.
#pragma once

#include <windows.h>

namespace pelorin {

class TControlSkinnerHost;
class TSkinData;
class TWinControl;

// The framework check boxes, radio buttons, combo boxes (not the simple
// ones), date-time pickers, edits, memos and up-down controls among
// parent's controls, at any depth; the number attached.
int SkinFrameworkInputs(TControlSkinnerHost& host, TWinControl& parent, TSkinData* skin);
// The same kinds among parent's direct child windows that are not framework
// controls: "Button" check boxes and radio buttons, "ComboBox" drop-downs,
// the combo inside a "ComboBoxEx32", "Edit"; the number attached.
int SkinDialogInputs(TControlSkinnerHost& host, HWND parent, TSkinData* skin);

}  // namespace pelorin
