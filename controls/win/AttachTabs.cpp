#include "controls/win/AttachTabs.h"

#include <commctrl.h>

#include <memory>
#include <vector>

#include "controls/win/SkinHeader.h"
#include "controls/win/SkinTab.h"
#include "host/win/Controls.h"
#include "skinmodel/WinSkinData.h"

namespace pelorin {

namespace {
bool IsFrameworkTabControl(const TControl& control) {
  const std::string kind = control.ClassName();
  return kind == "TPageControl" || kind == "TTabControl" || kind == "TTabbedNotebook";
}

bool ClassIs(HWND wnd, const wchar_t* name) {
  wchar_t found[64] = {};
  return GetClassNameW(wnd, found, 64) && lstrcmpiW(found, name) == 0;
}

int AdoptTab(TControlSkinnerHost& host, HWND wnd, TSkinData* skin) {
  auto skinner = std::make_unique<TSkinTab>(host);
  if (!skinner->AttachWindow(wnd, skin)) return 0;
  host.AdoptControlSkinner(std::move(skinner));
  return 1;
}

BOOL CALLBACK CollectChild(HWND wnd, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(wnd);
  return TRUE;
}

std::vector<HWND> Children(HWND parent) {
  std::vector<HWND> children;
  EnumChildWindows(parent, &CollectChild, reinterpret_cast<LPARAM>(&children));
  return children;
}
}  // namespace

int SkinFrameworkTabs(TControlSkinnerHost& host, TWinControl& parent, TSkinData* skin) {
  if (!TSkinTab::SkinHasTabs(skin)) return 0;
  int count = 0;
  for (int i = 0; i < parent.ControlCount(); ++i) {
    auto* control = dynamic_cast<TWinControl*>(parent.Controls(i));
    if (!control) continue;
    if (IsFrameworkTabControl(*control) && control->Handle()) count += AdoptTab(host, control->Handle(), skin);
    // Pages and panels hold further tab controls.
    count += SkinFrameworkTabs(host, *control, skin);
  }
  return count;
}

int SkinDialogTabs(TControlSkinnerHost& host, HWND parent, TSkinData* skin) {
  if (!TSkinTab::SkinHasTabs(skin)) return 0;
  int count = 0;
  for (HWND child : Children(parent)) {
    // An owner-drawn tab control draws its own tabs.
    if (!ClassIs(child, WC_TABCONTROLW) || (GetWindowLongPtrW(child, GWL_STYLE) & TCS_OWNERDRAWFIXED) ||
        TWinControl::FindControl(child))
      continue;
    count += AdoptTab(host, child, skin);
  }
  return count;
}

int SkinDialogHeaders(TControlSkinnerHost& host, HWND parent, TSkinData* skin) {
  if (!skin || skin->Empty) return 0;
  int count = 0;
  for (HWND child : Children(parent))
    if (ClassIs(child, WC_HEADERW) && !ClassIs(GetParent(child), WC_LISTVIEWW) && AttachHeaderWindow(host, child, skin))
      ++count;
  return count;
}

}  // namespace pelorin
