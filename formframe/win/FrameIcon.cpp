// The image a window's icon button shows: the window's own icon, else the
// skin's icon image, else the main skin's, else the application's icon, so
// message boxes and system dialogs (which have none) show the program's.
#include <windows.h>

#include "formframe/WinSkinForm.h"
#include "host/win/Forms.h"
#include "paint/PaintTypes.h"
#include "skinmodel/WinSkinData.h"

namespace pelorin {

namespace {

HICON WindowIcon(HWND wnd) {
  if (!wnd) return nullptr;
  auto icon = reinterpret_cast<HICON>(SendMessageW(wnd, WM_GETICON, ICON_SMALL, 0));
  if (!icon) icon = reinterpret_cast<HICON>(SendMessageW(wnd, WM_GETICON, ICON_BIG, 0));
  return icon;
}

HICON ClassIcon(HWND wnd) {
  if (!wnd) return nullptr;
  auto icon = reinterpret_cast<HICON>(GetClassLongPtrW(wnd, GCLP_HICONSM));
  return icon ? icon : reinterpret_cast<HICON>(GetClassLongPtrW(wnd, GCLP_HICON));
}

// The executable's first icon group, the one the shell shows for it. Loaded
// shared: the system keeps it for the life of the module.
HICON ExecutableIcon() {
  struct TFound {
    HICON Icon = nullptr;
  } found;
  EnumResourceNamesW(
      GetModuleHandleW(nullptr), reinterpret_cast<LPCWSTR>(RT_GROUP_ICON),
      [](HMODULE module, LPCWSTR, LPWSTR name, LONG_PTR param) -> BOOL {
        // The name is valid only during the call: the icon is loaded here.
        reinterpret_cast<TFound*>(param)->Icon =
            static_cast<HICON>(LoadImageW(module, name, IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
        return FALSE;
      },
      reinterpret_cast<LONG_PTR>(&found));
  return found.Icon;
}

// The application's icon: its main form's, the executable's, the application
// window's, the system's default one.
HICON ApplicationIcon(HWND asking) {
  if (Application) {
    TCustomForm* main = Application->MainForm();
    // Asking for the handle would make the window; one not made has no icon.
    if (HWND wnd = main && main->HandleAllocated() ? main->Handle() : nullptr; wnd && wnd != asking)
      if (HICON icon = WindowIcon(wnd)) return icon;
  }
  if (HICON icon = ExecutableIcon()) return icon;
  if (Application) {
    if (HICON icon = WindowIcon(Application->Handle())) return icon;
    if (HICON icon = ClassIcon(Application->Handle())) return icon;
  }
  return LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
}

// Draws icon at the small icon size over the key colour.
void DrawSmallIcon(TBitmap& target, HICON icon, int cx, int cy) {
  if (!target.DC()) return;
  // The resource's own small image where there is one, else the icon scaled.
  auto copy = static_cast<HICON>(CopyImage(icon, IMAGE_ICON, cx, cy, LR_COPYFROMRESOURCE));
  if (!copy) copy = static_cast<HICON>(CopyImage(icon, IMAGE_ICON, cx, cy, 0));
  DrawIconEx(static_cast<HDC>(target.DC()), 0, 0, copy ? copy : icon, cx, cy, 0, nullptr, DI_NORMAL);
  GdiFlush();
  if (copy) DestroyIcon(copy);
}

}  // namespace

void TWinSkinForm::LoadFormIcon() {
  const int cx = GetSystemMetrics(SM_CXSMICON), cy = GetSystemMetrics(SM_CYSMICON);
  formIcon_.SetSize(cx, cy);
  formIcon_.Fill(TransparentKeyColour);
  if (HICON own = WindowIcon(wnd_)) return DrawSmallIcon(formIcon_, own, cx, cy);
  const TBitmap* image = skin_ && !skin_->IconBitmap.Empty() ? &skin_->IconBitmap : FrameManagerLink().MainIconBitmap();
  if (image && !image->Empty()) {
    formIcon_ = *image;
    return;
  }
  if (HICON application = ApplicationIcon(wnd_)) DrawSmallIcon(formIcon_, application, cx, cy);
}

}  // namespace pelorin
