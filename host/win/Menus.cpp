// Menu item trees, the native menus built from them, owner drawing,
// shortcuts and accelerators, and image lists.
#include "host/win/Menus.h"

#include <algorithm>
#include <map>

#include "host/win/Forms.h"
#include "host/win/platform/GdiCounters.h"
#include "host/win/platform/WideText.h"

namespace pelorin {

namespace {

// Live items by command id, and live menus (for lookups by submenu handle).
std::map<UINT, TMenuItem*> itemsByCommand;
std::vector<TMenu*> liveMenus;
UINT nextCommand = 1;

UINT AllocateCommand(TMenuItem* item) {
  // Ids stay below the MDI window list ids (0xFF00 and up).
  for (;;) {
    const UINT id = nextCommand;
    nextCommand = nextCommand >= 0xFEFF ? 1 : nextCommand + 1;
    if (!itemsByCommand.count(id)) {
      itemsByCommand[id] = item;
      return id;
    }
  }
}

TMenuItem* ItemOfOwnerDraw(UINT itemID) {
  if (auto it = itemsByCommand.find(itemID); it != itemsByCommand.end()) return it->second;
  for (TMenu* menu : liveMenus)
    if (TMenuItem* item = menu->FindItem(itemID, fkHandle)) return item;
  return nullptr;
}

std::string KeyName(uint16_t key) {
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::string(1, static_cast<char>(key));
  if (key >= VK_F1 && key <= VK_F24) return "F" + std::to_string(key - VK_F1 + 1);
  switch (key) {
    case VK_BACK: return "BkSp";
    case VK_TAB: return "Tab";
    case VK_RETURN: return "Enter";
    case VK_ESCAPE: return "Esc";
    case VK_SPACE: return "Space";
    case VK_PRIOR: return "PgUp";
    case VK_NEXT: return "PgDn";
    case VK_END: return "End";
    case VK_HOME: return "Home";
    case VK_LEFT: return "Left";
    case VK_UP: return "Up";
    case VK_RIGHT: return "Right";
    case VK_DOWN: return "Down";
    case VK_INSERT: return "Ins";
    case VK_DELETE: return "Del";
    default: return key ? "#" + std::to_string(key) : "";
  }
}

}  // namespace

TShortCut ShortCut(uint16_t key, TShortCut shift) { return static_cast<TShortCut>((key & 0xFF) | shift); }

std::string ShortCutToText(TShortCut sc) {
  const std::string key = KeyName(sc & 0xFF);
  if (key.empty()) return "";
  std::string text;
  if (sc & scShift) text += "Shift+";
  if (sc & scCtrl) text += "Ctrl+";
  if (sc & scAlt) text += "Alt+";
  return text + key;
}

unsigned GetHotkey(const std::string& caption) {
  const std::wstring w = Utf8ToWide(caption);
  for (size_t i = 0; i + 1 < w.size(); ++i) {
    if (w[i] != L'&') continue;
    if (w[i + 1] == L'&') {
      ++i;
      continue;
    }
    wchar_t c = w[i + 1];
    CharUpperBuffW(&c, 1);
    return c;
  }
  return 0;
}

bool IsAccel(unsigned ch, const std::string& caption) {
  if (ch == 0 || ch > 0xFFFF) return false;
  wchar_t c = static_cast<wchar_t>(ch);
  CharUpperBuffW(&c, 1);
  return GetHotkey(caption) == c;
}

std::string StripHotkey(const std::string& caption) {
  std::string out;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&') {
      if (i + 1 < caption.size() && caption[i + 1] == '&') out += '&';
      ++i;
      if (i < caption.size() && caption[i] != '&') out += caption[i];
      continue;
    }
    out += caption[i];
  }
  return out;
}

// --- TImageList ---

TImageList::TImageList(TComponent* owner) : TComponent(owner) {}
TImageList::~TImageList() { Changed(); }

void TImageList::Changed() {
  if (handle_) {
    ImageList_Destroy(handle_);
    handle_ = nullptr;
  }
  if (OnChange) OnChange(this);
}

void TImageList::SetSize(int width, int height) {
  width_ = std::max(width, 1);
  height_ = std::max(height, 1);
  images_.clear();
  Changed();
}

void TImageList::Clear() {
  images_.clear();
  Changed();
}

int TImageList::AddMasked(const TBitmap& image, TColor maskColor) {
  const int first = Count();
  const int pieces = std::max(1, image.Width() / width_);
  for (int p = 0; p < pieces; ++p) {
    TBitmap piece(width_, height_);
    for (int y = 0; y < std::min(height_, image.Height()); ++y)
      for (int x = 0; x < width_ && p * width_ + x < image.Width(); ++x)
        piece.ScanLine(y)[x] = image.ScanLine(y)[p * width_ + x];
    if (maskColor != clNone) {
      piece.SetTransparent(true);
      piece.SetTransparentColor(maskColor == clDefault ? piece.GetPixel(0, height_ - 1) : maskColor);
    }
    images_.push_back(std::move(piece));
  }
  Changed();
  return first;
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) {
  if (index < 0 || index >= Count()) return;
  const TBitmap& image = images_[static_cast<size_t>(index)];
  if (enabled) {
    canvas.Draw(x, y, image);
    return;
  }
  // Disabled: every visible pixel in the shadow colour.
  TBitmap gray(image);
  const uint32_t key = PixelFromColor(image.TransparentColor()) & 0xFFFFFFu;
  const uint32_t shadow = PixelFromColor(ColorToRGB(clBtnShadow));
  for (int yy = 0; yy < gray.Height(); ++yy)
    for (int xx = 0; xx < gray.Width(); ++xx) {
      uint32_t& px = gray.ScanLine(yy)[xx];
      if (!image.Transparent() || (px & 0xFFFFFFu) != key) px = shadow;
    }
  canvas.Draw(x, y, gray);
}

HIMAGELIST TImageList::Handle() {
  if (handle_) return handle_;
  handle_ = ImageList_Create(width_, height_, ILC_COLOR32 | ILC_MASK, Count(), 4);
  for (const TBitmap& image : images_) {
    HBITMAP bm = CreateBitmap(width_, height_, 1, 32, image.Bits());
    if (!bm) continue;
    if (image.Transparent()) ImageList_AddMasked(handle_, bm, ToColorRef(image.TransparentColor()));
    else ImageList_Add(handle_, bm, nullptr);
    DeleteObject(bm);
  }
  return handle_;
}

// --- TMenuItem ---

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) { command_ = AllocateCommand(this); }

TMenuItem::~TMenuItem() {
  if (parent_) parent_->Remove(this);
  for (TMenuItem* item : items_) item->parent_ = nullptr;
  // Children nobody owns go with the item.
  for (TMenuItem* item : std::vector<TMenuItem*>(items_))
    if (!item->Owner()) delete item;
  itemsByCommand.erase(command_);
}

void TMenuItem::Changed() {
  if (TMenu* menu = GetParentMenu()) menu->Changed();
}

void TMenuItem::SetCaption(const std::string& v) {
  if (v == caption_) return;
  caption_ = v;
  Changed();
}
void TMenuItem::SetShortCut(TShortCut v) {
  if (v == shortCut_) return;
  shortCut_ = v;
  Changed();
}
void TMenuItem::SetImageIndex(int v) {
  if (v == imageIndex_) return;
  imageIndex_ = v;
  Changed();
}
void TMenuItem::SetChecked(bool v) {
  if (v == checked_) return;
  checked_ = v;
  Changed();
}
void TMenuItem::SetEnabled(bool v) {
  if (v == enabled_) return;
  enabled_ = v;
  Changed();
}
void TMenuItem::SetVisible(bool v) {
  if (v == visible_) return;
  visible_ = v;
  Changed();
}
void TMenuItem::SetDefault(bool v) {
  if (v == default_) return;
  default_ = v;
  Changed();
}
void TMenuItem::SetRadioItem(bool v) {
  if (v == radioItem_) return;
  radioItem_ = v;
  Changed();
}

int TMenuItem::MenuIndex() const {
  if (!parent_) return -1;
  const auto& list = parent_->items_;
  return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (!item || item == this) throw EListError("Invalid menu item");
  for (TMenuItem* p = this; p; p = p->parent_)
    if (p == item) throw EListError("A menu item cannot hold its own parent");
  if (item->parent_) item->parent_->Remove(item);
  index = std::clamp(index, 0, Count());
  items_.insert(items_.begin() + index, item);
  item->parent_ = this;
  Changed();
}

void TMenuItem::Remove(TMenuItem* item) {
  auto it = std::find(items_.begin(), items_.end(), item);
  if (it == items_.end()) return;
  items_.erase(it);
  item->parent_ = nullptr;
  Changed();
}

void TMenuItem::Clear() {
  while (!items_.empty()) {
    TMenuItem* item = items_.back();
    Remove(item);
    delete item;
  }
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* root = this;
  while (root->parent_) root = root->parent_;
  return root->menu_;
}

HMENU TMenuItem::Handle() {
  if (TMenu* menu = GetParentMenu()) {
    if (!parent_) return menu->Handle();
    menu->Handle();
  }
  return handle_;
}

TMenuItem* TMenuItem::Find(UINT value, TFindItemKind kind) {
  for (TMenuItem* item : items_) {
    switch (kind) {
      case fkCommand:
        if (item->command_ == value) return item;
        break;
      case fkHandle:
        if (item->handle_ && static_cast<UINT>(reinterpret_cast<UINT_PTR>(item->handle_)) == value) return item;
        break;
      case fkShortCut:
        if (item->shortCut_ == value && value != 0) return item;
        break;
    }
    if (TMenuItem* found = item->Find(value, kind)) return found;
  }
  return nullptr;
}

void TMenuItem::Click() {
  if (enabled_ && OnClick) OnClick(this);
}

void TMenuItem::AppendTo(HMENU menu, bool ownerDraw) {
  if (!visible_) return;
  MENUITEMINFOW mii{};
  mii.cbSize = sizeof mii;
  mii.fMask = MIIM_ID | MIIM_STATE | MIIM_FTYPE | MIIM_DATA;
  mii.wID = command_;
  mii.dwItemData = reinterpret_cast<ULONG_PTR>(this);
  std::wstring text;
  if (IsLine()) {
    mii.fType = MFT_SEPARATOR;
  } else {
    text = Utf8ToWide(shortCut_ ? caption_ + "\t" + ShortCutToText(shortCut_) : caption_);
    mii.fMask |= MIIM_STRING;
    mii.dwTypeData = text.data();
    if (radioItem_) mii.fType |= MFT_RADIOCHECK;
  }
  if (ownerDraw) mii.fType |= MFT_OWNERDRAW;
  mii.fState = (checked_ ? MFS_CHECKED : 0) | (enabled_ ? 0 : MFS_DISABLED) | (default_ ? MFS_DEFAULT : 0);
  if (!items_.empty()) {
    handle_ = CreatePopupMenu();
    for (TMenuItem* item : items_) item->AppendTo(handle_, ownerDraw);
    mii.fMask |= MIIM_SUBMENU;
    mii.hSubMenu = handle_;
  }
  InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &mii);
}

void TMenuItem::FreeHandle() {
  handle_ = nullptr;  // destroyed with the root menu
  for (TMenuItem* item : items_) item->FreeHandle();
}

void TMenuItem::GetChildren(const TGetChildProc& proc, TComponent* root) {
  (void)root;
  for (TMenuItem* item : items_) proc(item);
}

void TMenuItem::DrawItem(TCanvas& canvas, const TRect& rect, bool selected) {
  if (OnDrawItem) {
    OnDrawItem(this, canvas, rect, selected);
    return;
  }
  HDC dc = canvas.Handle();
  canvas.Brush().SetColor(selected && !IsLine() ? clHighlight : clMenu);
  canvas.FillRect(rect);
  if (IsLine()) {
    RECT r{rect.Left, rect.Top + rect.Height() / 2, rect.Right, rect.Bottom};
    DrawEdge(dc, &r, EDGE_ETCHED, BF_TOP);
    return;
  }
  TMenu* menu = GetParentMenu();
  const bool topLevel = parent_ && !parent_->parent_ && dynamic_cast<TMainMenu*>(menu);
  int textLeft = rect.Left + (topLevel ? 6 : 24);
  if (!topLevel) {
    if (menu && menu->Images() && imageIndex_ >= 0 && imageIndex_ < menu->Images()->Count()) {
      menu->Images()->Draw(canvas, rect.Left + 3, rect.Top + (rect.Height() - menu->Images()->Height()) / 2,
                           imageIndex_, enabled_);
    } else if (checked_) {
      RECT r{rect.Left + 2, rect.Top + (rect.Height() - 16) / 2, rect.Left + 18, rect.Top + (rect.Height() + 16) / 2};
      DrawFrameControl(dc, &r, DFC_MENU, radioItem_ ? DFCS_MENUBULLET : DFCS_MENUCHECK);
    }
  }
  TDCStateGuard guard(dc);
  TFont& font = canvas.Font();
  const TFontStyles oldStyle = font.Style();
  if (default_) font.SetStyle(oldStyle | fsBold);
  SelectObject(dc, font.Handle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ToColorRef(!enabled_ ? clGrayText : selected ? clHighlightText : clMenuText));
  RECT tr{textLeft, rect.Top, rect.Right - 8, rect.Bottom};
  const std::wstring text = Utf8ToWide(caption_);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &tr, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
  if (shortCut_) {
    const std::wstring sc = Utf8ToWide(ShortCutToText(shortCut_));
    DrawTextW(dc, sc.c_str(), static_cast<int>(sc.size()), &tr, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
  }
  SelectObject(dc, GetStockObject(SYSTEM_FONT));
  if (default_) font.SetStyle(oldStyle);
}

void TMenuItem::MeasureItem(TCanvas& canvas, int& width, int& height) {
  if (IsLine()) {
    width = 10;
    height = 8;
  } else {
    const bool topLevel = parent_ && !parent_->parent_ && dynamic_cast<TMainMenu*>(GetParentMenu());
    width = canvas.TextWidth(StripHotkey(caption_)) + (topLevel ? 12 : 34);
    if (shortCut_) width += canvas.TextWidth(ShortCutToText(shortCut_)) + 16;
    height = std::max(canvas.TextHeight(caption_) + 6, 19);
  }
  if (OnMeasureItem) OnMeasureItem(this, canvas, width, height);
}

// --- TMenu ---

TMenu::TMenu(TComponent* owner) : TComponent(owner) {
  items_ = new TMenuItem(nullptr);
  items_->menu_ = this;
  liveMenus.push_back(this);
}

TMenu::~TMenu() {
  liveMenus.erase(std::remove(liveMenus.begin(), liveMenus.end(), this), liveMenus.end());
  items_->menu_ = nullptr;
  delete items_;
  if (handle_) DestroyMenu(handle_);
}

void TMenu::SetImages(TImageList* images) {
  if (images_) images_->RemoveFreeNotification(this);
  images_ = images;
  if (images_) images_->FreeNotification(this);
  Changed();
}

void TMenu::SetOwnerDraw(bool v) {
  if (v == ownerDraw_) return;
  ownerDraw_ = v;
  Changed();
}

HMENU TMenu::Handle() {
  if (!handle_) {
    handle_ = CreateMenuHandle();
    for (int i = 0; i < items_->Count(); ++i) items_->Items(i)->AppendTo(handle_, ownerDraw_);
  }
  return handle_;
}

void TMenu::Changed() {
  if (!handle_) return;
  HMENU old = handle_;
  handle_ = nullptr;
  items_->FreeHandle();
  MenuChanged();  // a form puts the new menu up before the old one goes
  DestroyMenu(old);
}

bool TMenu::IsShortCut(const MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
  TShortCut sc = static_cast<TShortCut>(msg.wParam & 0xFF);
  if (GetKeyState(VK_SHIFT) < 0) sc |= scShift;
  if (GetKeyState(VK_CONTROL) < 0) sc |= scCtrl;
  if (GetKeyState(VK_MENU) < 0) sc |= scAlt;
  TMenuItem* item = FindItem(sc, fkShortCut);
  if (!item) return false;
  for (TMenuItem* p = item; p; p = p->Parent())
    if (!p->Enabled() || !p->Visible()) return false;
  item->Click();
  return true;
}

void TMenu::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == images_) {
    images_ = nullptr;
    Changed();
  }
}

void TMenu::GetChildren(const TGetChildProc& proc, TComponent* root) { items_->GetChildren(proc, root); }

void TMainMenu::MenuChanged() {
  if (form_) form_->MenuChanged();
}

void TPopupMenu::Popup(int x, int y) {
  if (OnPopup) OnPopup(this);
  HWND owner = nullptr;
  if (Screen && Screen->ActiveForm()) owner = Screen->ActiveForm()->Handle();
  else if (Application) owner = Application->Handle();
  static constexpr UINT align[] = {TPM_LEFTALIGN, TPM_RIGHTALIGN, TPM_CENTERALIGN};
  const UINT cmd = static_cast<UINT>(
      TrackPopupMenu(Handle(), align[alignment_] | TPM_RETURNCMD | TPM_RIGHTBUTTON, x, y, 0, owner, nullptr));
  if (cmd)
    if (TMenuItem* item = FindItem(cmd, fkCommand)) item->Click();
}

bool DispatchMenuMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_COMMAND: {
      if (m.LParam != 0 || HIWORD(m.WParam) > 1) return false;
      auto it = itemsByCommand.find(LOWORD(m.WParam));
      if (it == itemsByCommand.end()) return false;
      it->second->Click();
      m.Result = 0;
      return true;
    }
    case WM_MEASUREITEM: {
      auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
      if (!mis || mis->CtlType != ODT_MENU) return false;
      TMenuItem* item = ItemOfOwnerDraw(mis->itemID);
      if (!item) return false;
      HDC dc = GetDC(nullptr);
      TCanvas canvas;
      canvas.SetHandle(dc);
      if (Screen) canvas.Font().Assign(Screen->MenuFont());
      int w = 0, h = 0;
      try {
        item->MeasureItem(canvas, w, h);
      } catch (...) {
        ReleaseDC(nullptr, dc);
        throw;
      }
      ReleaseDC(nullptr, dc);
      mis->itemWidth = static_cast<UINT>(std::max(w, 0));
      mis->itemHeight = static_cast<UINT>(std::max(h, 0));
      m.Result = TRUE;
      return true;
    }
    case WM_DRAWITEM: {
      auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam);
      if (!dis || dis->CtlType != ODT_MENU) return false;
      TMenuItem* item = ItemOfOwnerDraw(dis->itemID);
      if (!item) return false;
      TCanvas canvas;
      canvas.SetHandle(dis->hDC);
      if (Screen) canvas.Font().Assign(Screen->MenuFont());
      const TRect r{dis->rcItem.left, dis->rcItem.top, dis->rcItem.right, dis->rcItem.bottom};
      item->DrawItem(canvas, r, (dis->itemState & ODS_SELECTED) != 0);
      m.Result = TRUE;
      return true;
    }
    default:
      return false;
  }
}

}  // namespace pelorin
