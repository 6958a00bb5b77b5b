#include "controls/win/AttachBoxes.h"

#include <memory>
#include <vector>

#include "controls/win/SkinBox.h"
#include "controls/win/SkinProgress.h"
#include "controls/win/SkinStatusBar.h"
#include "controls/win/SkinTrackBar.h"
#include "host/win/ComCtrls.h"
#include "host/win/ExtCtrls.h"
#include "host/win/StdCtrls.h"

namespace pelorin {

namespace {
template <class T>
int AdoptControl(TControlSkinnerHost& host, TWinControl* control, TSkinData* skin, bool changeColor) {
  auto skinner = std::make_unique<T>(host);
  if (!skinner->AttachControl(control, skin, changeColor)) return 0;
  host.AdoptControlSkinner(std::move(skinner));
  return 1;
}

template <class T>
int AdoptWindow(TControlSkinnerHost& host, HWND wnd, TSkinData* skin) {
  auto skinner = std::make_unique<T>(host);
  if (!skinner->AttachWindow(wnd, skin)) return 0;
  host.AdoptControlSkinner(std::move(skinner));
  return 1;
}

BOOL CALLBACK CollectChild(HWND wnd, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(wnd);
  return TRUE;
}

enum class TBoxKind { None, StatusBar, Progress, TrackBar, GroupBox };

TBoxKind KindOfWindow(HWND wnd) {
  wchar_t name[32] = {};
  if (!GetClassNameW(wnd, name, 32)) return TBoxKind::None;
  if (lstrcmpiW(name, STATUSCLASSNAMEW) == 0) return TBoxKind::StatusBar;
  if (lstrcmpiW(name, PROGRESS_CLASSW) == 0) return TBoxKind::Progress;
  if (lstrcmpiW(name, TRACKBAR_CLASSW) == 0) return TBoxKind::TrackBar;
  if (lstrcmpiW(name, L"Button") == 0 && (GetWindowLongPtrW(wnd, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX)
    return TBoxKind::GroupBox;
  return TBoxKind::None;
}
}  // namespace

int SkinFrameworkBoxes(TControlSkinnerHost& host, TWinControl& parent, TSkinData* skin) {
  int count = 0;
  for (int i = 0; i < parent.ControlCount(); ++i) {
    auto* control = dynamic_cast<TWinControl*>(parent.Controls(i));
    if (!control) continue;
    if (auto* bar = dynamic_cast<TStatusBar*>(control)) {
      // The skin draws no grip; turning it off re-creates the window, so first.
      bar->SetSizeGrip(false);
      count += AdoptControl<TSkinStatusBar>(host, bar, skin, false);
    } else if (dynamic_cast<TProgressBar*>(control)) {
      count += AdoptControl<TSkinProgress>(host, control, skin, false);
    } else if (dynamic_cast<TTrackBar*>(control)) {
      // Recoloured, so that the system's channel and tics sit on the skin's face.
      count += AdoptControl<TSkinTrackBar>(host, control, skin, true);
    } else if (auto* toolBar = dynamic_cast<TToolBar*>(control)) {
      toolBar->SetFlat(true);
    } else if (dynamic_cast<TCustomPanel*>(control) || dynamic_cast<TCustomGroupBox*>(control)) {
      count += AdoptControl<TSkinBox>(host, control, skin, true);
    }
    count += SkinFrameworkBoxes(host, *control, skin);
  }
  return count;
}

int SkinDialogBoxes(TControlSkinnerHost& host, HWND parent, TSkinData* skin) {
  std::vector<HWND> children;
  EnumChildWindows(parent, &CollectChild, reinterpret_cast<LPARAM>(&children));
  int count = 0;
  for (HWND child : children) {
    if (TWinControl::FindControl(child)) continue;
    switch (KindOfWindow(child)) {
      case TBoxKind::StatusBar: count += AdoptWindow<TSkinStatusBar>(host, child, skin); break;
      case TBoxKind::Progress: count += AdoptWindow<TSkinProgress>(host, child, skin); break;
      case TBoxKind::TrackBar: count += AdoptWindow<TSkinTrackBar>(host, child, skin); break;
      case TBoxKind::GroupBox: count += AdoptWindow<TSkinBox>(host, child, skin); break;
      case TBoxKind::None: break;
    }
  }
  return count;
}

}  // namespace pelorin
