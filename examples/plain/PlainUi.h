// The plain example's windows, kept apart from its WinMain so that the tests
// open the very same windows: a main window with a menu and a few controls,
// and a resource dialog holding one of every control.
#pragma once

#include <windows.h>

namespace plain {

inline constexpr const wchar_t* kMainTitle = L"Plain Win32, skinned";
inline constexpr const wchar_t* kMessageTitle = L"Plain message";

// Registers the window class and creates the main window (not yet shown).
// Menu commands the window does not handle itself go to onCommand.
using TCommandHandler = void (*)(HWND wnd, int id);
HWND CreateMainWindow(HINSTANCE instance, TCommandHandler onCommand = nullptr);
// The dialog of every control: modal (returns what EndDialog got) or modeless.
INT_PTR ShowControlsDialog(HWND owner);
HWND OpenControlsDialog(HWND owner);

}  // namespace plain
