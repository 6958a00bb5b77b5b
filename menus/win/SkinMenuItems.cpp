// Owner-drawn items of a skinned window's menus and popup menu components.
#include "menus/win/SkinMenuItems.h"

#include <algorithm>
#include <string>

#include "host/win/Forms.h"
#include "host/win/Graphics.h"
#include "host/win/Menus.h"
#include "host/win/platform/WideText.h"
#include "menus/MenuBarLayout.h"
#include "menus/MenuItemLayout.h"
#include "menus/win/MenuItemPaint.h"
#include "menus/win/WinSkinPopMenu.h"
#include "skinmodel/WinSkinData.h"

namespace pelorin {

namespace {
// The handlers given to items, as types of their own so that taking them
// out again touches nothing an application set.
struct TSkinDrawHandler {
  TSkinMenuItems* Owner;
  void operator()(TObject* sender, TCanvas& canvas, TRect rect, bool selected) const {
    Owner->DrawSkinMenuItem(sender, canvas, rect, selected);
  }
};
struct TSkinMeasureHandler {
  TSkinMenuItems* Owner;
  void operator()(TObject* sender, TCanvas& canvas, int& width, int& height) const {
    Owner->MeasureSkinMenuItem(sender, canvas, width, height);
  }
};

// A canvas on dc with the screen's menu font.
void UseMenuFont(TCanvas& canvas, HDC dc) {
  canvas.SetHandle(dc);
  if (Screen) canvas.Font().Assign(Screen->MenuFont());
}

bool Usable(const TSkinData* skin) { return skin && !skin->Empty; }

// The native menu that shows item's siblings.
HMENU MenuOfParent(TMenuItem& item) {
  TMenuItem* parent = item.Parent();
  if (!parent) return nullptr;
  if (!parent->Parent()) {
    TMenu* menu = parent->GetParentMenu();
    return menu ? menu->Handle() : nullptr;
  }
  return parent->Handle();
}

// A host popup menu component of the form that holds command.
bool IsComponentItem(HWND wnd, UINT command) {
  TWinControl* control = TWinControl::FindControl(wnd);
  if (!control) return false;
  for (int i = 0; i < control->ComponentCount(); ++i)
    if (auto* popup = dynamic_cast<TPopupMenu*>(control->Components(i)))
      if (popup->FindItem(command, fkCommand)) return true;
  return false;
}
}  // namespace

TSkinMenuItems::TSkinMenuItems(HWND wnd, TSkinData* skin, TMainMenu* mainMenu)
    : WinVersion(GetVersion()), wnd_(wnd), skin_(skin), mainMenu_(mainMenu) {}

TSkinMenuItems::~TSkinMenuItems() = default;

bool TSkinMenuItems::HasMenu() const { return mainMenu_ || openPopup_ || GetMenu(wnd_); }

bool TSkinMenuItems::MeasureItem(MEASUREITEMSTRUCT& mis) {
  if (mis.CtlType != ODT_MENU || !HasMenu() || !Usable(skin_)) return false;
  TMenuItem* item = mainMenu_ ? mainMenu_->FindItem(mis.itemID, fkCommand) : nullptr;
  if (!item && IsComponentItem(wnd_, mis.itemID)) return false;  // the component's own events measure it
  HDC dc = GetDC(wnd_);
  TCanvas canvas;
  UseMenuFont(canvas, dc);
  std::string text;
  bool separator;
  if (item) {
    separator = item->IsLine();
    text = StripMenuAccel(item->Caption());
    if (item->ShortCut()) text += ShortCutToText(item->ShortCut());
  } else {
    wchar_t buffer[80] = {};
    GetMenuStringW(openPopup_, mis.itemID, buffer, 80, MF_BYCOMMAND);
    text = StripMenuAccel(WideToUtf8(buffer));
    std::replace(text.begin(), text.end(), '\t', ' ');
    separator = text.empty();
  }
  const int width = text.empty() ? 0 : canvas.TextWidth(text);
  ReleaseDC(wnd_, dc);
  const TMenuItemSize s =
      MeasureNativeMenuItem(width, static_cast<int>(mis.itemHeight), separator, WinVersion);
  mis.itemWidth = static_cast<UINT>(std::max(s.Width, 0));
  mis.itemHeight = static_cast<UINT>(std::max(s.Height, 0));
  return true;
}

bool TSkinMenuItems::DrawItem(const DRAWITEMSTRUCT& dis) {
  if (dis.CtlType != ODT_MENU || !HasMenu() || !Usable(skin_)) return false;
  TMenuItem* item = mainMenu_ ? mainMenu_->FindItem(dis.itemID, fkCommand) : nullptr;
  if (!item && IsComponentItem(wnd_, dis.itemID)) return false;
  HMENU menu = reinterpret_cast<HMENU>(dis.hwndItem);
  PopupMenuSkinners().TakePendingMenu(menu);
  TCanvas canvas;
  UseMenuFont(canvas, dis.hDC);
  const TRect r{dis.rcItem.left, dis.rcItem.top, dis.rcItem.right, dis.rcItem.bottom};
  const bool selected = (dis.itemState & ODS_SELECTED) != 0;
  if (item) {
    DrawSkinMenuItem(item, canvas, r, selected);
  } else {
    DrawSkinMenuItemView(ViewOfNativeItem(menu, dis.itemID), canvas, r, selected, *skin_,
                         PopupMenuSkinners().FindPopupBitmap(menu));
  }
  return true;
}

void TSkinMenuItems::DrawSkinMenuItem(TObject* sender, TCanvas& canvas, TRect rect, bool selected) {
  auto* item = dynamic_cast<TMenuItem*>(sender);
  if (!item || !Usable(skin_)) return;
  const TMenuItemView view = ViewOfMenuItem(*item);
  if (!skin_->MenuItem || skin_->MenuItem->Bitmap.Empty()) {
    DrawMenuItemPlain(view, canvas, rect, selected, skin_->colors);
    return;
  }
  HMENU menu = MenuOfParent(*item);
  if (menu) PopupMenuSkinners().TakePendingMenu(menu);
  DrawSkinMenuItemView(view, canvas, rect, selected, *skin_, PopupMenuSkinners().FindPopupBitmap(menu));
}

void TSkinMenuItems::MeasureSkinMenuItem(TObject* sender, TCanvas&, int& width, int& height) {
  auto* item = dynamic_cast<TMenuItem*>(sender);
  const TMenuItemSize s = MeasureComponentMenuItem({width, height}, item && item->IsLine(), WinVersion);
  width = s.Width;
  height = s.Height;
}

void TSkinMenuItems::PrepareMenus(TComponent* form, bool on) {
  if (!form || !skin_) return;
  for (int i = 0; i < form->ComponentCount(); ++i) {
    auto* popup = dynamic_cast<TPopupMenu*>(form->Components(i));
    if (!popup || !skin_->SkinControls.Contains(xcPopupMenu) || popup->Tag() % 100 == skin_->DisableTag) continue;
    popup->SetOwnerDraw(on);
    // Parents before their children.
    std::vector<TMenuItem*> pending{popup->Items()};
    while (!pending.empty()) {
      TMenuItem* parent = pending.back();
      pending.pop_back();
      for (int k = parent->Count() - 1; k >= 0; --k) pending.push_back(parent->Items(k));
      if (parent != popup->Items()) SetItemHandlers(parent, on);
    }
  }
}

void TSkinMenuItems::SetItemHandlers(TMenuItem* item, bool on) {
  if (!item) return;
  if (on && item->Tag() != 999) {
    if (item->OnDrawItem) return;  // the application's own drawing wins
    item->OnDrawItem = TSkinDrawHandler{this};
    item->OnMeasureItem = TSkinMeasureHandler{this};
    return;
  }
  // Only this skinner's handlers are taken out: an application's own
  // drawing survives skinning and unskinning.
  if (auto* h = item->OnDrawItem.target<TSkinDrawHandler>(); h && h->Owner == this) item->OnDrawItem = nullptr;
  if (auto* h = item->OnMeasureItem.target<TSkinMeasureHandler>(); h && h->Owner == this)
    item->OnMeasureItem = nullptr;
}

}  // namespace pelorin
