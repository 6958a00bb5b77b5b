// Registration of the framework's window classes (superclasses of the system
// and common control classes) and loading of the libraries that provide them.
#include "host/win/WindowClasses.h"

#include <commctrl.h>

#include <map>
#include <string>

namespace pelorin {

namespace {

// Class name -> the procedure the framework passes unhandled messages to.
std::map<std::wstring, WNDPROC> registeredClasses;
bool commonControlsReady = false;

void EnsureSystemClasses() {
  if (commonControlsReady) return;
  commonControlsReady = true;
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_BAR_CLASSES | ICC_TAB_CLASSES |
                                           ICC_PROGRESS_CLASS | ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES |
                                           ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
  // The rich edit control lives in its own library; it stays loaded for the
  // life of the process, like the classes registered from it.
  LoadLibraryW(L"riched20.dll");
}

}  // namespace

WNDPROC RegisterControlClass(const TCreateParams& params) {
  if (auto it = registeredClasses.find(params.WinClassName); it != registeredClasses.end()) return it->second;
  EnsureSystemClasses();
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  WNDPROC fallback = DefWindowProcW;
  if (!params.BaseClassName.empty()) {
    if (!GetClassInfoExW(nullptr, params.BaseClassName.c_str(), &wc))
      throw EOutOfResources("Window class not available: " + std::string(params.BaseClassName.begin(), params.BaseClassName.end()));
    fallback = wc.lpfnWndProc;
    wc.style &= ~UINT(CS_GLOBALCLASS);
  } else {
    wc.style = params.ClassStyle;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = nullptr;  // erased with the control's Color
  }
  wc.cbSize = sizeof wc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = params.WinClassName.c_str();
  wc.lpfnWndProc = ControlWndProc;
  if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
    throw EOutOfResources("Cannot register window class");
  registeredClasses[params.WinClassName] = fallback;
  return fallback;
}

}  // namespace pelorin
