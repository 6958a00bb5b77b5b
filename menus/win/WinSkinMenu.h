// TWinSkinMenu: the skinned menu bar of a window, drawn in its non-client
// area from the skin's MenuBar image, with one TMenuBtn per bar item; the
// bar's popups are tracked with a message filter hook so that arrow keys and
// the mouse move between bar items as on a native bar.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skinbase/NCObject.h"
#include "skinbase/win/WindowSubclass.h"
#include "host/core/Bitmap.h"
#include "host/win/Graphics.h"
#include "menus/win/SkinMenuItems.h"

namespace pelorin {

class TMainMenu;
class TSkinData;
class TWinSkinMenu;

// One bar item. BoundsRect is in window coordinates.
class TMenuBtn : public TNCObject {
public:
  TMenuBtn(TNCObjectOwner& owner, TWinSkinMenu& bar, int index);
  void Paint() override;

  int Index;
  std::string Caption;
  bool Enabled = true;
  HMENU SubMenu = nullptr;  // none for a plain command
  UINT Command = 0;

private:
  TWinSkinMenu& bar_;
};

class TWinSkinMenu {
public:
  // Subclasses wnd for the bar's messages (menu selection, item drawing,
  // clicks on bar items, menu accelerators, a native bar coming back).
  TWinSkinMenu(TNCObjectOwner& owner, HWND wnd, TSkinData* skin, TMainMenu* mainMenu);
  ~TWinSkinMenu();
  TWinSkinMenu(const TWinSkinMenu&) = delete;
  TWinSkinMenu& operator=(const TWinSkinMenu&) = delete;

  // Rebuilds the items from the window's menu and takes the native bar away.
  void LoadMenuItems();
  // Puts the native bar back (the menu the items were built from).
  void RestoreMenu();
  void SetSkinData(TSkinData* skin);

  // The bar at r (window coordinates) of dc; active picks the image frame.
  void PaintMenuBar(HDC dc, const TRect& r, bool active);
  TMenuBtn* FindMenuBtnAt(TPoint p) const;
  // The first enabled item whose accelerator is ch.
  TMenuBtn* FindMenuAccel(unsigned ch) const;
  // Opens the item's popup and tracks it (also the popups the user moves
  // to); false for an item without a submenu, which only sends its command.
  bool PopupMenuBtn(TMenuBtn& item);
  // Posts a click on the item, as if the user had pressed it.
  void ClickMenuBtn(TMenuBtn& item);
  // Alt and ch: clicks the item with that accelerator; false when no item
  // has it or a popup is already open.
  bool MenuKey(unsigned ch);

  HWND Handle() const { return wnd_; }
  HMENU Menu() const { return menu_; }
  int Count() const { return static_cast<int>(items_.size()); }
  const std::vector<std::unique_ptr<TMenuBtn>>& Items() const { return items_; }
  TFont& Font() { return font_; }
  bool Tracking() const { return tracking_; }
  bool WindowActive() const;

  // Window coordinates of the bar at the last paint, and its background
  // without texts.
  TRect BarRect;
  TBitmap Background;
  // Draws the MDI child buttons into the composed bar (set by the frame).
  std::function<void(TBitmap& bar)> PaintExtras;
  // Where item repaints go instead of the window DC, and how many there were (tests).
  HDC PaintTarget = nullptr;
  int ItemPaints = 0;

  // The bar being tracked and its open item, or -1 (one menu at a time).
  static TWinSkinMenu* TrackedMenu();
  static int TrackedIndex();

private:
  friend class TMenuBtn;
  friend LRESULT CALLBACK MenuMsgHook(int code, WPARAM wParam, LPARAM lParam);
  static LRESULT SubclassProc(void* self, HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam);
  void DrawCaption(HDC dc, const TMenuBtn& item, const TRect& r);
  void MenuSelect(WPARAM wParam, LPARAM lParam);
  bool TrackOne(TMenuBtn& item);
  TPoint WindowPoint(TPoint screen) const;
  void ClearItems();

  TNCObjectOwner& owner_;
  HWND wnd_;
  TSkinData* skin_;
  TMainMenu* mainMenu_;
  HMENU menu_ = nullptr;
  std::vector<std::unique_ptr<TMenuBtn>> items_;
  TSkinMenuItems itemPainter_;
  TFont font_;
  std::unique_ptr<TWindowSubclass> subclass_;
  bool tracking_ = false;
  bool painting_ = false;
  int switchTo_ = -1;
};

}  // namespace pelorin
