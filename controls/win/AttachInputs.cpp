#include "controls/win/AttachInputs.h"

#include <commctrl.h>

#include <cctype>
#include <memory>
#include <string>

#include "controls/win/SkinCheckRadio.h"
#include "controls/win/SkinCombo.h"
#include "controls/win/SkinEdit.h"
#include "controls/win/SkinUpDown.h"
#include "host/win/ComCtrls.h"
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

std::string LowerClassName(HWND wnd) {
  char name[100] = {};
  GetClassNameA(wnd, name, sizeof name);
  std::string s = name;
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

int SkinFrameworkControl(TControlSkinnerHost& host, TControl* control, TSkinData* skin) {
  auto* wc = dynamic_cast<TWinControl*>(control);
  if (!wc) return 0;
  if (dynamic_cast<TCustomCheckBox*>(wc)) return AdoptControl<TSkinCheckBox>(host, wc, skin, true);
  if (dynamic_cast<TRadioButton*>(wc)) return AdoptControl<TSkinRadioButton>(host, wc, skin, true);
  if (dynamic_cast<TUpDown*>(wc)) return AdoptControl<TSkinUpDown>(host, wc, skin, false);
  if (auto* combo = dynamic_cast<TCustomComboBox*>(wc)) {
    // A simple combo has no drop-down button to draw over.
    return combo->Style() == csSimple ? 0 : AdoptControl<TSkinComBox>(host, wc, skin, false);
  }
  if (dynamic_cast<TDateTimePicker*>(wc)) {
    if (GetWindowLongPtrW(wc->Handle(), GWL_STYLE) & DTS_UPDOWN) return AdoptControl<TSkinEdit>(host, wc, skin, false);
    return AdoptControl<TSkinComBox>(host, wc, skin, false);
  }
  if (dynamic_cast<TCustomEdit*>(wc)) return AdoptControl<TSkinEdit>(host, wc, skin, false);
  return SkinFrameworkInputs(host, *wc, skin);
}
}  // namespace

int SkinFrameworkInputs(TControlSkinnerHost& host, TWinControl& parent, TSkinData* skin) {
  int count = 0;
  for (int i = 0; i < parent.ControlCount(); ++i) count += SkinFrameworkControl(host, parent.Controls(i), skin);
  return count;
}

int SkinDialogInputs(TControlSkinnerHost& host, HWND parent, TSkinData* skin) {
  int count = 0;
  for (HWND w = GetTopWindow(parent); w; w = GetWindow(w, GW_HWNDNEXT)) {
    const auto style = GetWindowLongPtrW(w, GWL_STYLE);
    if (!(style & WS_CHILD) || TWinControl::FindControl(w)) continue;
    const std::string name = LowerClassName(w);
    if (name == "button") {
      // By the button's own type: an owner-drawn button has no box to replace.
      switch (style & BS_TYPEMASK) {
        case BS_CHECKBOX: case BS_AUTOCHECKBOX: case BS_3STATE: case BS_AUTO3STATE:
          count += AdoptWindow<TSkinCheckBox>(host, w, skin);
          break;
        case BS_RADIOBUTTON: case BS_AUTORADIOBUTTON:
          count += AdoptWindow<TSkinRadioButton>(host, w, skin);
          break;
        default:
          break;
      }
    } else if (name == "combobox") {
      if ((style & 3) != CBS_SIMPLE) count += AdoptWindow<TSkinComBox>(host, w, skin);
    } else if (name == "comboboxex32") {
      if (HWND inner = GetTopWindow(w)) count += AdoptWindow<TSkinComBox>(host, inner, skin);
    } else if (name == "edit") {
      count += AdoptWindow<TSkinEdit>(host, w, skin);
    }
  }
  return count;
}

}  // namespace pelorin
