// The skinned menu bar: its items, painting, tracking of its popups and the
// message filter hook that moves between bar items.
#include "menus/win/WinSkinMenu.h"

#include <commctrl.h>

#include "host/win/Forms.h"
#include "host/win/Menus.h"
#include "host/win/platform/WideText.h"
#include "menus/MenuBarLayout.h"
#include "menus/MenuItemLayout.h"
#include "menus/MenuSwitching.h"
#include "paint/DrawElement.h"
#include "paint/PieceBlit.h"
#include "paint/SkinPaint.h"
#include "skinbase/win/WinGeometry.h"
#include "skinmodel/WinSkinData.h"

namespace pelorin {

namespace {
// Frame of the MenuBar image for the window's activation.
enum TBarLook { blActive, blInactive };
constexpr int BarFrames[] = {1, 2};

// Tells the bar that the native bar came back (sent by SetMenu while skinned).
const UINT ReloadMessage = RegisterWindowMessageW(L"Pelorin.MenuBar.Reload");

// The one menu tracked at a time.
struct TTracking {
  HHOOK Hook = nullptr;
  TWinSkinMenu* Bar = nullptr;
  HMENU OpenPopup = nullptr;
  TMenuSwitcher Switcher;
};
TTracking tracking;

std::vector<TMenuBarEntry> Entries(const std::vector<std::unique_ptr<TMenuBtn>>& items) {
  std::vector<TMenuBarEntry> e;
  e.reserve(items.size());
  for (const auto& b : items) e.push_back({b->Caption, b->Enabled});
  return e;
}

// Every item of menu and its submenus becomes owner-drawn; the text stays.
void MakeMenuOwnerDraw(HMENU menu, int depth = 0) {
  if (!menu || depth > 16) return;
  const int n = GetMenuItemCount(menu);
  for (int i = 0; i < n; ++i) {
    MENUITEMINFOW mii{};
    mii.cbSize = sizeof mii;
    mii.fMask = MIIM_FTYPE | MIIM_SUBMENU;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &mii)) continue;
    if (!(mii.fType & MFT_OWNERDRAW)) {
      mii.fMask = MIIM_FTYPE;
      mii.fType |= MFT_OWNERDRAW;
      SetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &mii);
    }
    MakeMenuOwnerDraw(mii.hSubMenu, depth + 1);
  }
}

// How many submenus below root menu lies (0 for root itself); a menu outside
// root's tree counts as one below.
int SubMenuDepth(HMENU root, HMENU menu, int depth = 0) {
  if (menu == root) return depth;
  if (!root || depth >= 16) return -1;
  const int n = GetMenuItemCount(root);
  for (int i = 0; i < n; ++i)
    if (HMENU sub = GetSubMenu(root, i)) {
      const int d = SubMenuDepth(sub, menu, depth + 1);
      if (d >= 0) return d;
    }
  return depth == 0 ? 1 : -1;
}

bool IsNT4() {
  const DWORD v = GetVersion();
  return v < 0x80000000u && LOBYTE(LOWORD(v)) == 4;
}
}  // namespace

LRESULT CALLBACK MenuMsgHook(int code, WPARAM wParam, LPARAM lParam) {
  auto* msg = reinterpret_cast<MSG*>(lParam);
  TMenuSwitcher& s = tracking.Switcher;
  if (msg && code == MSGF_MENU && (msg->message == WM_KEYDOWN || msg->message == WM_KEYUP))
    msg->wParam = ArrowForReading(static_cast<unsigned>(msg->wParam), s.Selection().RightToLeft);
  const LRESULT next = CallNextHookEx(tracking.Hook, code, wParam, lParam);
  TWinSkinMenu* bar = tracking.Bar;
  if (next || code != MSGF_MENU || !msg || !bar) return next;
  if (s.TakeFirstKey()) PostMessageW(msg->hwnd, WM_KEYDOWN, VK_DOWN, 0);
  int chosen = -1;
  switch (msg->message) {
    case WM_KEYDOWN:
      chosen = s.KeyDown(static_cast<unsigned>(msg->wParam), bar->Count());
      break;
    case WM_SYSKEYUP:
      if (msg->wParam == VK_MENU) bar->tracking_ = false;
      return next;
    case WM_MOUSEMOVE: {
      const TPoint p{msg->pt.x, msg->pt.y};
      const TMenuBtn* hit = bar->FindMenuBtnAt(bar->WindowPoint(p));
      chosen = s.MouseMove(p, hit ? hit->Index : -1);
      break;
    }
    default:
      break;
  }
  if (chosen < 0) return next;
  // Close this popup; PopupMenuBtn opens the chosen item's next.
  bar->switchTo_ = chosen;
  EndMenu();
  return msg->message == WM_KEYDOWN ? 1 : next;
}

TMenuBtn::TMenuBtn(TNCObjectOwner& owner, TWinSkinMenu& bar, int index) : TNCObject(owner), Index(index), bar_(bar) {}

void TMenuBtn::Paint() {
  ++bar_.ItemPaints;
  const TRect& bar = bar_.BarRect;
  const int w = BoundsRect.Width(), h = bar.Height();
  if (w <= 0 || h <= 0 || bar_.Background.Empty()) return;
  TBitmap work(w, h);
  CopyPixels(work, 0, 0, bar_.Background, {BoundsRect.Left - bar.Left, 0, BoundsRect.Right - bar.Left, h});
  HDC dc = static_cast<HDC>(work.DC());
  if (!dc) return;
  const TSkinData* skin = bar_.skin_;
  if ((State == nsHot || State == nsPressed) && skin) {
    HBRUSH frame = CreateSolidBrush(ToColorRef(skin->colors[csButtonHilight]));
    RECT r{0, 0, w, BoundsRect.Height()};
    FrameRect(dc, &r, frame);
    DeleteObject(frame);
  }
  bar_.DrawCaption(dc, *this, {0, 0, w, h - 1});
  GdiFlush();
  HDC target = bar_.PaintTarget ? bar_.PaintTarget : GetWindowDC(bar_.wnd_);
  if (!target) return;
  BitBlt(target, BoundsRect.Left, bar.Top, w, h, dc, 0, 0, SRCCOPY);
  if (!bar_.PaintTarget) ReleaseDC(bar_.wnd_, target);
}

TWinSkinMenu::TWinSkinMenu(TNCObjectOwner& owner, HWND wnd, TSkinData* skin, TMainMenu* mainMenu)
    : owner_(owner), wnd_(wnd), skin_(skin), mainMenu_(mainMenu), itemPainter_(wnd, skin, mainMenu) {
  if (Screen) {
    font_.Assign(Screen->MenuFont());
  } else {
    NONCLIENTMETRICSW ncm{};
    ncm.cbSize = sizeof ncm;
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0)) font_.SetLogFont(ncm.lfMenuFont);
  }
  if (wnd_) subclass_ = std::make_unique<TWindowSubclass>(wnd_, &SubclassProc, this);
}

TWinSkinMenu::~TWinSkinMenu() {
  if (tracking.Bar == this) {
    if (tracking.Hook) UnhookWindowsHookEx(tracking.Hook);
    tracking = TTracking{};
  }
  subclass_.reset();
  ClearItems();
}

void TWinSkinMenu::ClearItems() {
  if (owner_.CurrentObject)
    for (const auto& b : items_)
      if (owner_.CurrentObject == b.get()) owner_.CurrentObject = nullptr;
  items_.clear();
}

void TWinSkinMenu::SetSkinData(TSkinData* skin) {
  skin_ = skin;
  itemPainter_.SetSkinData(skin);
}

void TWinSkinMenu::LoadMenuItems() {
  if (HMENU current = GetMenu(wnd_)) menu_ = current;
  ClearItems();
  const int count = menu_ ? GetMenuItemCount(menu_) : 0;
  for (int i = 0; i < count; ++i) {
    auto b = std::make_unique<TMenuBtn>(owner_, *this, i);
    wchar_t text[80] = {};
    MENUITEMINFOW mii{};
    mii.cbSize = sizeof mii;
    mii.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING | MIIM_FTYPE;
    mii.dwTypeData = text;
    mii.cch = 80;
    if (GetMenuItemInfoW(menu_, static_cast<UINT>(i), TRUE, &mii)) {
      b->SubMenu = mii.hSubMenu;
      b->Enabled = (mii.fState & (MFS_GRAYED | MFS_DISABLED)) == 0;
      b->Command = mii.wID;
      if (!(mii.fType & (MFT_SEPARATOR | MFT_BITMAP))) b->Caption = WideToUtf8(text);
    }
    // An owner-drawn native item has no text: the host menu knows it.
    if (b->Caption.empty() && mainMenu_ && mainMenu_->Items()->Count() > i) {
      TMenuItem* item = mainMenu_->Items()->Items(i);
      b->Caption = item->Caption();
      b->Enabled = item->Enabled();
      b->Command = GetMenuItemID(menu_, i);
      b->SubMenu = item->Count() > 0 ? item->Handle() : nullptr;
    }
    items_.push_back(std::move(b));
  }
  if (count > 0 && GetMenu(wnd_)) SetMenu(wnd_, nullptr);
}

void TWinSkinMenu::RestoreMenu() {
  if (menu_ && IsWindow(wnd_) && GetMenu(wnd_) != menu_) SetMenu(wnd_, menu_);
}

bool TWinSkinMenu::WindowActive() const { return GetActiveWindow() == wnd_; }

TPoint TWinSkinMenu::WindowPoint(TPoint screen) const {
  RECT wr;
  GetWindowRect(wnd_, &wr);
  return {screen.X - wr.left, screen.Y - wr.top};
}

void TWinSkinMenu::DrawCaption(HDC dc, const TMenuBtn& item, const TRect& r) {
  if (!skin_) return;
  std::wstring text = Utf8ToWide(item.Caption);
  TDCStateGuard guard(dc);
  SelectObject(dc, font_.Handle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ToColorRef(MenuBarTextColor(skin_->colors, item.Enabled)));
  RECT rc{r.Left, r.Top, r.Right, r.Bottom};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void TWinSkinMenu::PaintMenuBar(HDC dc, const TRect& r, bool active) {
  const int w = r.Width(), h = r.Height();
  if (!skin_ || skin_->Empty || w <= 0 || h <= 0 || w > TBitmap::MaxSide || h > TBitmap::MaxSide) return;
  TBitmap& buffer = SharedPaintBuffer();
  buffer.SetSize(w, h);
  const TDataSkinObject* bar = skin_->MenuBar && !skin_->MenuBar->Bitmap.Empty() ? skin_->MenuBar.get() : nullptr;
  if (bar) {
    DrawElement(buffer, {0, 0, w, h}, *bar, BarFrames[active ? blActive : blInactive]);
  } else {
    buffer.Fill(skin_->colors[csMenuBar]);
  }
  BarRect = r;
  Background = buffer;

  HDC bufferDC = static_cast<HDC>(buffer.DC());
  if (bufferDC) {
    painting_ = true;
    TCanvas measure;
    measure.SetHandle(bufferDC);
    measure.Font().Assign(font_);
    const auto slots = LayoutMenuBar(Entries(items_), r, MenuBarFirstX(bar, w),
                                     [&](const std::string& text) { return measure.TextWidth(text); });
    for (size_t i = 0; i < items_.size(); ++i) {
      DrawCaption(bufferDC, *items_[i], slots[i].Text);
      items_[i]->BoundsRect = slots[i].Bounds;
    }
    painting_ = false;
    GdiFlush();
  }
  if (PaintExtras) PaintExtras(buffer);
  GdiFlush();
  if (bufferDC) BitBlt(dc, r.Left, r.Top, w, h, bufferDC, 0, 0, SRCCOPY);
}

TMenuBtn* TWinSkinMenu::FindMenuBtnAt(TPoint p) const {
  std::vector<TMenuBarSlot> slots;
  for (const auto& b : items_) slots.push_back({b->BoundsRect, {}});
  const int i = MenuBarItemAt(Entries(items_), slots, p);
  return i < 0 ? nullptr : items_[static_cast<size_t>(i)].get();
}

TMenuBtn* TWinSkinMenu::FindMenuAccel(unsigned ch) const {
  const int i = pelorin::FindMenuAccel(Entries(items_), ch);
  return i < 0 ? nullptr : items_[static_cast<size_t>(i)].get();
}

void TWinSkinMenu::ClickMenuBtn(TMenuBtn& item) {
  RECT wr;
  GetWindowRect(wnd_, &wr);
  const int x = wr.left + item.BoundsRect.Left + 1, y = wr.top + item.BoundsRect.Top + 1;
  PostMessageW(wnd_, WM_NCLBUTTONDOWN, HTMENU, MAKELPARAM(x, y));
}

bool TWinSkinMenu::MenuKey(unsigned ch) {
  if (tracking_ || tracking.Bar) return false;
  TMenuBtn* b = FindMenuAccel(ch);
  if (!b) return false;
  ClickMenuBtn(*b);
  return true;
}

bool TWinSkinMenu::TrackOne(TMenuBtn& item) {
  // A disabled item neither runs its command nor opens its popup.
  if (!item.Enabled) return item.SubMenu != nullptr;
  if (!item.SubMenu || item.Command) PostMessageW(wnd_, WM_COMMAND, item.Command, 0);
  if (!item.SubMenu) return false;
  if (!IsNT4()) MakeMenuOwnerDraw(item.SubMenu);
  RECT wr;
  GetWindowRect(wnd_, &wr);
  POINT cursor{};
  GetCursorPos(&cursor);
  tracking.Bar = this;
  tracking.OpenPopup = item.SubMenu;
  tracking.Switcher.Start(item.Index, {cursor.x, cursor.y});
  tracking.Switcher.Enabled = [this](int index) {
    return index >= 0 && index < Count() && items_[size_t(index)]->Enabled;
  };
  if (!tracking.Hook) tracking.Hook = SetWindowsHookExW(WH_MSGFILTER, MenuMsgHook, nullptr, GetCurrentThreadId());
  itemPainter_.SetOpenPopup(item.SubMenu);
  tracking_ = true;
  TrackPopupMenu(item.SubMenu, TPM_RIGHTBUTTON, wr.left + item.BoundsRect.Left, wr.top + item.BoundsRect.Bottom, 0,
                 wnd_, nullptr);
  if (tracking.Hook) UnhookWindowsHookEx(tracking.Hook);
  tracking.Hook = nullptr;
  tracking.Switcher.Stop();
  tracking.Switcher.Enabled = nullptr;
  tracking.Bar = nullptr;
  tracking.OpenPopup = nullptr;
  itemPainter_.SetOpenPopup(nullptr);
  tracking_ = false;
  return true;
}

bool TWinSkinMenu::PopupMenuBtn(TMenuBtn& item) {
  if (tracking.Bar) return false;  // one menu at a time
  switchTo_ = -1;
  bool opened = TrackOne(item);
  // Moving to another bar item closed the popup: open that item's next.
  while (switchTo_ >= 0 && switchTo_ < Count()) {
    TMenuBtn& next = *items_[static_cast<size_t>(switchTo_)];
    switchTo_ = -1;
    next.MouseDown();
    opened = TrackOne(next);
  }
  if (owner_.CurrentObject) owner_.CurrentObject->MouseLeave();
  return opened;
}

TWinSkinMenu* TWinSkinMenu::TrackedMenu() { return tracking.Bar; }
int TWinSkinMenu::TrackedIndex() { return tracking.Bar ? tracking.Switcher.OpenIndex() : -1; }

void TWinSkinMenu::MenuSelect(WPARAM wParam, LPARAM lParam) {
  const UINT flags = HIWORD(wParam);
  HMENU menu = reinterpret_cast<HMENU>(lParam);
  const bool closed = flags == 0xFFFF && !menu;
  TMenuSelection sel;
  if (!closed && menu) {
    sel.Valid = true;
    sel.HasSubMenu = (flags & MF_POPUP) != 0;
    sel.Depth = SubMenuDepth(tracking.OpenPopup, menu);
    sel.InOpenPopup = sel.Depth == 0;
    MENUITEMINFOW mii{};
    mii.cbSize = sizeof mii;
    mii.fMask = MIIM_FTYPE;
    if (GetMenuItemInfoW(menu, LOWORD(wParam), sel.HasSubMenu, &mii)) sel.RightToLeft = (mii.fType & MFT_RIGHTORDER) != 0;
  }
  if (tracking.Switcher.MenuSelect(closed, sel)) tracking_ = false;
}

LRESULT TWinSkinMenu::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_MEASUREITEM:
      if (itemPainter_.MeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) return TRUE;
      break;
    case WM_DRAWITEM:
      if (itemPainter_.DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
      break;
    case WM_MENUSELECT:
      if (tracking.Bar == this) MenuSelect(wParam, lParam);
      break;
    case WM_NCMOUSEMOVE: {
      TMenuBtn* b = FindMenuBtnAt(WindowPoint(PointFromLParam(lParam)));
      if (b) {
        b->MouseEnter();
        return 0;
      }
      break;
    }
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK: {
      TMenuBtn* b = FindMenuBtnAt(WindowPoint(PointFromLParam(lParam)));
      if (!b) break;
      b->MouseDown();
      PopupMenuBtn(*b);
      return 0;
    }
    case WM_SYSCOMMAND:
      // Alt and an item's accelerator opens that item.
      if ((wParam & 0xFFF0) == SC_KEYMENU && lParam != ' ' && lParam != '-' && !GetCapture() &&
          MenuKey(static_cast<unsigned>(lParam)))
        return 0;
      break;
    case WM_NCCALCSIZE:
      // SetMenu while skinned brings the native bar back: take it away again.
      if (GetMenu(wnd_)) PostMessageW(wnd_, ReloadMessage, 0, 0);
      break;
    default:
      if (msg == ReloadMessage) {
        if (GetMenu(wnd_)) {
          LoadMenuItems();
          RedrawWindow(wnd_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
        }
        return 0;
      }
      break;
  }
  return subclass_->CallNext(msg, wParam, lParam);
}

LRESULT TWinSkinMenu::SubclassProc(void* self, HWND, UINT msg, WPARAM wParam, LPARAM lParam) {
  return static_cast<TWinSkinMenu*>(self)->WndProc(msg, wParam, lParam);
}

}  // namespace pelorin
