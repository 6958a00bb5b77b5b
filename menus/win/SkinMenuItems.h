// The menu item side of a form skinner: measuring and drawing owner-drawn
// items of the window's native menus (WM_MEASUREITEM, WM_DRAWITEM) and of the
// host form's popup menu components (their item events), and switching the
// components' owner drawing on and off.
#pragma once

#include <windows.h>

#include <cstdint>

#include "host/core/Geometry.h"

namespace pelorin {

class TCanvas;
class TComponent;
class TMainMenu;
class TMenuItem;
class TObject;
class TSkinData;

class TSkinMenuItems {
public:
  TSkinMenuItems(HWND wnd, TSkinData* skin, TMainMenu* mainMenu);
  ~TSkinMenuItems();
  TSkinMenuItems(const TSkinMenuItems&) = delete;
  TSkinMenuItems& operator=(const TSkinMenuItems&) = delete;

  void SetSkinData(TSkinData* skin) { skin_ = skin; }
  TSkinData* SkinData() const { return skin_; }
  // The popup opened from the skinned menu bar (native items find their text there).
  void SetOpenPopup(HMENU menu) { openPopup_ = menu; }
  HMENU OpenPopup() const { return openPopup_; }
  // GetVersion's value; the Windows 95 family gets taller items.
  uint32_t WinVersion;

  // The window messages; false when they are not for a menu of this window
  // (pass them on then).
  bool MeasureItem(MEASUREITEMSTRUCT& mis);
  bool DrawItem(const DRAWITEMSTRUCT& dis);

  // The item events given to popup menu components.
  void DrawSkinMenuItem(TObject* sender, TCanvas& canvas, TRect rect, bool selected);
  void MeasureSkinMenuItem(TObject* sender, TCanvas& canvas, int& width, int& height);

  // Owner drawing of form's popup menu components on or off.
  void PrepareMenus(TComponent* form, bool on);
  // Hooks the skin's drawing into item (on), or takes this skinner's out.
  void SetItemHandlers(TMenuItem* item, bool on);

private:
  bool HasMenu() const;

  HWND wnd_;
  TSkinData* skin_;
  TMainMenu* mainMenu_;
  HMENU openPopup_ = nullptr;
};

}  // namespace pelorin
