#include "controls/win/AttachButtons.h"

#include <memory>
#include <vector>

#include "controls/win/SkinGlyphButtons.h"
#include "host/win/Buttons.h"
#include "host/win/StdCtrls.h"

namespace pelorin {

namespace {
template <class T, class Attach>
int Adopt(TControlSkinnerHost& host, Attach attach) {
  auto skinner = std::make_unique<T>(host);
  if (!attach(*skinner)) return 0;
  host.AdoptControlSkinner(std::move(skinner));
  return 1;
}

bool IsPushButtonWindow(HWND wnd) {
  wchar_t name[16] = {};
  if (!GetClassNameW(wnd, name, 16) || lstrcmpiW(name, L"Button") != 0) return false;
  const auto type = GetWindowLongPtrW(wnd, GWL_STYLE) & BS_TYPEMASK;
  return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

BOOL CALLBACK CollectChild(HWND wnd, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(wnd);
  return TRUE;
}
}  // namespace

int SkinFrameworkButtons(TControlSkinnerHost& host, TWinControl& parent, TSkinData* skin) {
  int count = 0;
  for (int i = 0; i < parent.ControlCount(); ++i) {
    TControl* control = parent.Controls(i);
    const std::string kind = control->ClassName();
    if (kind == "TButton" || kind == "TBitBtn") {
      auto* button = static_cast<TButton*>(control);
      if (kind == "TButton") {
        count += Adopt<TSkinButton>(host, [&](TSkinButton& s) { return s.AttachControl(button, skin, false); });
      } else {
        count += Adopt<TSkinBitButton>(host, [&](TSkinBitButton& s) { return s.AttachControl(button, skin, false); });
      }
    } else if (kind == "TSpeedButton") {
      auto* speed = static_cast<TSpeedButton*>(control);
      count += Adopt<TSkinSpeedButton>(host, [&](TSkinSpeedButton& s) { return s.AttachSpeedButton(speed, skin); });
    } else if (auto* container = dynamic_cast<TWinControl*>(control)) {
      count += SkinFrameworkButtons(host, *container, skin);
    }
  }
  return count;
}

int SkinDialogButtons(TControlSkinnerHost& host, HWND parent, TSkinData* skin) {
  std::vector<HWND> children;
  EnumChildWindows(parent, &CollectChild, reinterpret_cast<LPARAM>(&children));
  int count = 0;
  for (HWND child : children)
    if (IsPushButtonWindow(child) && !TWinControl::FindControl(child))
      count += Adopt<TSkinButton>(host, [&](TSkinButton& s) { return s.AttachWindow(child, skin); });
  return count;
}

}  // namespace pelorin
