#include "controls/win/AttachScrollBars.h"

#include <memory>
#include <vector>

#include "controls/win/SkinListView.h"
#include "controls/win/SkinScControl.h"
#include "controls/win/SkinSizer.h"
#include "host/win/ComCtrls.h"
#include "host/win/ExtCtrls.h"
#include "host/win/Forms.h"
#include "host/win/Grids.h"
#include "host/win/StdCtrls.h"
#include "skinmodel/WinSkinData.h"

namespace pelorin {

namespace {
template <class T, class Attach>
int Adopt(TControlSkinnerHost& host, Attach attach) {
  auto skinner = std::make_unique<T>(host);
  if (!attach(*skinner)) return 0;
  host.AdoptControlSkinner(std::move(skinner));
  return 1;
}

template <class T>
bool Is(TControl* c) {
  return dynamic_cast<T*>(c) != nullptr;
}

// Kinds that other skinners take even when they have scroll bars.
bool OtherKind(TControl* c) {
  return Is<TCustomTabControl>(c) || Is<TButtonControl>(c) || Is<TTrackBar>(c) || Is<TUpDown>(c) ||
         Is<TCustomPanel>(c) || Is<TCustomGroupBox>(c) || Is<TToolBar>(c) || Is<TStatusBar>(c) ||
         Is<TProgressBar>(c) || Is<TCustomComboBox>(c) || c->Tag() == 56 || Is<TDateTimePicker>(c);
}

bool IsScrollingControl(TWinControl* c, HWND wnd) {
  if (GetWindowLongPtrW(wnd, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL)) return true;
  return Is<TCustomListBox>(c) || Is<TCustomMemo>(c) || Is<TCustomTreeView>(c) || Is<TScrollBox>(c);
}

int SkinOne(TControlSkinnerHost& host, TWinControl* c, TSkinData* skin) {
  HWND wnd = nullptr;
  try {
    wnd = c->Handle();
  } catch (...) {
    return 0;  // a control whose window cannot be made stays as it is
  }
  if (!wnd) return 0;
  if (auto* bar = dynamic_cast<TScrollBar*>(c))
    return Adopt<TSkinScControl>(host, [&](TSkinScControl& s) { return s.AttachControl(bar, skin, false); });
  if (OtherKind(c)) return 0;
  if (Is<TCustomListView>(c))
    return Adopt<TSkinListView>(host, [&](TSkinListView& s) { return s.AttachControl(c, skin, false); });
  auto scrollBars = [&] {
    return Adopt<TSkinScrollBar>(host, [&](TSkinScrollBar& s) { return s.AttachScrollBars(c, skin, true); });
  };
  if (Is<TCustomMemo>(c)) return scrollBars();  // rich edits too
  if (auto* grid = dynamic_cast<TCustomGrid*>(c)) {
    const int n = scrollBars();
    if (n) grid->SetFixedColor(skin->colors[csButtonFace]);
    return n;
  }
  if (c->Tag() == 55 || IsScrollingControl(c, wnd)) return scrollBars();
  return 0;
}

int Walk(TControlSkinnerHost& host, TWinControl& parent, TSkinData* skin) {
  int count = 0;
  for (int i = 0; i < parent.ControlCount(); ++i) {
    auto* control = dynamic_cast<TWinControl*>(parent.Controls(i));
    if (!control) continue;
    const bool disabled = control->Tag() % 100 == skin->DisableTag;
    // A frame or embedded form left unskinned keeps everything in it so.
    if (disabled && (Is<TFrame>(control) || Is<TCustomForm>(control))) continue;
    if (!disabled) count += SkinOne(host, control, skin);
    count += Walk(host, *control, skin);
  }
  return count;
}

BOOL CALLBACK CollectChild(HWND wnd, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(wnd);
  return TRUE;
}

bool IsScrollBarWindow(HWND wnd) {
  wchar_t name[16] = {};
  return GetClassNameW(wnd, name, 16) && lstrcmpiW(name, L"ScrollBar") == 0;
}
}  // namespace

int SkinFrameworkScrollBars(TControlSkinnerHost& host, TWinControl& parent, TSkinData* skin) {
  if (!skin || !skin->SkinControls.Contains(xcScrollbar)) return 0;
  int count = Walk(host, parent, skin);
  // Scroll-bar windows a program made itself on the form.
  if (parent.HandleAllocated()) count += SkinDialogScrollBars(host, parent.Handle(), skin);
  return count;
}

int SkinDialogScrollBars(TControlSkinnerHost& host, HWND parent, TSkinData* skin) {
  if (!skin || !parent) return 0;
  std::vector<HWND> children;
  EnumChildWindows(parent, &CollectChild, reinterpret_cast<LPARAM>(&children));
  int count = 0;
  for (HWND child : children) {
    if (!IsScrollBarWindow(child) || TWinControl::FindControl(child)) continue;
    if (TSkinSizer::IsSizeBox(child)) {
      count += Adopt<TSkinSizer>(host, [&](TSkinSizer& s) { return s.AttachWindow(child, skin); });
    } else {
      count += Adopt<TSkinScControl>(host, [&](TSkinScControl& s) { return s.AttachWindow(child, skin); });
    }
  }
  return count;
}

}  // namespace pelorin
