// Window classes of the framework: each registered under the framework class
// name, as a superclass of a system class or as a class of its own.
#pragma once

#include <windows.h>

#include "host/win/Controls.h"

namespace pelorin {

// Registers params.WinClassName once per process (superclassing
// params.BaseClassName when given) and returns the procedure that handles
// what the framework leaves: the system class's own, or DefWindowProcW.
// Raises EOutOfResources when the class cannot be registered.
WNDPROC RegisterControlClass(const TCreateParams& params);

// The window procedure of every framework window.
LRESULT CALLBACK ControlWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace pelorin
