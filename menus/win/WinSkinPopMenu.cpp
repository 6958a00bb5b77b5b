// Popup menu frames from the MenuBackground image, and the list of popup skinners.
#include "menus/win/WinSkinPopMenu.h"

#include <commctrl.h>

#include <algorithm>

#include "paint/DrawElement.h"
#include "paint/win/DibBlit.h"
#include "paint/win/GdiHandles.h"
#include "skinmodel/SkinModel.h"

namespace pelorin {

namespace {
// The MenuBackground image has one frame, drawn in every state.
constexpr int BackgroundFrame = 1;

const TDataSkinObject* UsableBackground(const TSkinModel* skin) {
  if (!skin || skin->Empty || !skin->MenuBackground || skin->MenuBackground->Bitmap.Empty()) return nullptr;
  return skin->MenuBackground.get();
}

// Whether wnd's client area reaches into the frame's bands: some systems give
// menu windows no non-client area and draw their own rim when they paint.
bool ClientUnderFrame(HWND wnd) {
  RECT wr;
  POINT origin{0, 0};
  if (!GetWindowRect(wnd, &wr) || !ClientToScreen(wnd, &origin)) return false;
  return origin.x - wr.left < TWinSkinPopMenu::BorderWidth || origin.y - wr.top < TWinSkinPopMenu::BorderWidth;
}
}  // namespace

TWinSkinPopMenu::~TWinSkinPopMenu() { Detach(); }

void TWinSkinPopMenu::Attach(HWND wnd, const TSkinModel* skin, HMENU menu, const bool* managerActive) {
  if (subclass_ || WindowSkinners().Find(wnd)) return;
  wnd_ = wnd;
  skin_ = skin;
  menu_ = menu;
  managerActive_ = managerActive;
  subclass_ = std::make_unique<TWindowSubclass>(wnd, &SubclassProc, this);
  if (!subclass_->Installed()) subclass_.reset();
  else WindowSkinners().Add(wnd, this);
}

void TWinSkinPopMenu::Detach() {
  if (!subclass_) return;
  subclass_.reset();
  WindowSkinners().Remove(wnd_, this);
  frame_.Clear();
  if (PopupMenuSkinners().PendingPopupMenu == this) PopupMenuSkinners().PendingPopupMenu = nullptr;
}

bool TWinSkinPopMenu::ComposeFrame(int width, int height) {
  const TDataSkinObject* bg = UsableBackground(skin_);
  if (!bg || width <= 0 || height <= 0 || width > TBitmap::MaxSide || height > TBitmap::MaxSide) return false;
  frame_.SetSize(width, height);
  DrawElement(frame_, {0, 0, width, height}, *bg, BackgroundFrame);
  return !frame_.Empty();
}

void TWinSkinPopMenu::MarkPending() {
  if (!menu_) PopupMenuSkinners().PendingPopupMenu = this;
}

bool TWinSkinPopMenu::PaintFrame(HDC dc) {
  RECT wr;
  if (!GetWindowRect(wnd_, &wr) || !ComposeFrame(wr.right - wr.left, wr.bottom - wr.top)) return false;
  MarkPending();
  const int w = frame_.Width(), h = frame_.Height(), b = BorderWidth;
  TBitmapDC src(frame_);
  BitBlt(dc, 0, 0, w, b, src.Get(), 0, 0, SRCCOPY);
  BitBlt(dc, 0, h - b, w, b, src.Get(), 0, h - b, SRCCOPY);
  BitBlt(dc, 0, b, b, h - b, src.Get(), 0, b, SRCCOPY);
  BitBlt(dc, w - b, b, b, h - b, src.Get(), w - b, b, SRCCOPY);
  return true;
}

bool TWinSkinPopMenu::RepaintFrame() {
  HDC dc = GetWindowDC(wnd_);
  if (!dc) return false;
  const bool painted = PaintFrame(dc);
  ReleaseDC(wnd_, dc);
  return painted;
}

LRESULT TWinSkinPopMenu::Print(HDC dc, LPARAM flags, WPARAM wParam) {
  MarkPending();
  RECT wr;
  if (!GetWindowRect(wnd_, &wr) || !ComposeFrame(wr.right - wr.left, wr.bottom - wr.top))
    return subclass_->CallNext(WM_PRINT, wParam, flags);
  BlitOpaque(dc, 0, 0, frame_);
  // The system draws the items only inside the frame.
  const int b = BorderWidth;
  HRGN clip = CreateRectRgn(b, b, frame_.Width() - b, frame_.Height() - b);
  SelectClipRgn(dc, clip);
  const LRESULT result = subclass_->CallNext(WM_PRINT, wParam, flags);
  SelectClipRgn(dc, nullptr);
  DeleteObject(clip);
  return result;
}

LRESULT TWinSkinPopMenu::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (managerActive_ && !*managerActive_) return subclass_->CallNext(msg, wParam, lParam);
  switch (msg) {
    case WM_DESTROY: {
      // Detaching frees the subclass owner; the chain still runs on.
      HWND wnd = wnd_;
      Detach();
      return DefSubclassProc(wnd, msg, wParam, lParam);
    }
    case WM_NCPAINT:
      if (UsableBackground(skin_) && RepaintFrame()) return 0;
      break;
    case WM_PAINT: {
      if (!UsableBackground(skin_) || !ClientUnderFrame(wnd_)) break;
      // The system's rim is in the client area here: the frame goes over it.
      const LRESULT result = subclass_->CallNext(msg, wParam, lParam);
      if (subclass_) RepaintFrame();
      return result;
    }
    case WM_PRINT:
      if (!UsableBackground(skin_) || !wParam) break;
      return Print(reinterpret_cast<HDC>(wParam), lParam, wParam);
    default:
      break;
  }
  return subclass_->CallNext(msg, wParam, lParam);
}

LRESULT TWinSkinPopMenu::SubclassProc(void* self, HWND, UINT msg, WPARAM wParam, LPARAM lParam) {
  return static_cast<TWinSkinPopMenu*>(self)->WndProc(msg, wParam, lParam);
}

TWinSkinPopMenu* TPopupMenuSkinners::Attach(HWND wnd, const TSkinModel* skin, const bool* managerActive) {
  if (!wnd || Find(wnd) || !skin || skin->Empty) return nullptr;
  auto skinner = std::make_unique<TWinSkinPopMenu>();
  skinner->Attach(wnd, skin, nullptr, managerActive);
  if (!skinner->Attached()) return nullptr;
  items_.push_back(std::move(skinner));
  return items_.back().get();
}

bool TPopupMenuSkinners::Release(HWND wnd) {
  auto it = std::find_if(items_.begin(), items_.end(), [&](const auto& p) { return p->Handle() == wnd; });
  if (it == items_.end()) return false;
  std::unique_ptr<TWinSkinPopMenu> skinner = std::move(*it);
  items_.erase(it);
  if (PendingPopupMenu == skinner.get()) PendingPopupMenu = nullptr;
  skinner->Detach();
  return true;
}

TWinSkinPopMenu* TPopupMenuSkinners::Find(HWND wnd) const {
  for (const auto& p : items_)
    if (p->Handle() == wnd) return p.get();
  return nullptr;
}

const TBitmap* TPopupMenuSkinners::FindPopupBitmap(HMENU menu) const {
  if (!menu) return nullptr;
  for (const auto& p : items_)
    if (p->Menu() == menu) return &p->FrameBitmap();
  return nullptr;
}

void TPopupMenuSkinners::ReleaseSkin(const TSkinModel* skin) {
  for (size_t i = items_.size(); i-- > 0;)
    if (items_[i]->Skin() == skin) Release(items_[i]->Handle());
}

void TPopupMenuSkinners::Clear() {
  PendingPopupMenu = nullptr;
  while (!items_.empty()) {
    items_.back()->Detach();
    items_.pop_back();
  }
}

void TPopupMenuSkinners::TakePendingMenu(HMENU menu) {
  if (!PendingPopupMenu) return;
  PendingPopupMenu->SetMenu(menu);
  PendingPopupMenu = nullptr;
}

TPopupMenuSkinners& PopupMenuSkinners() {
  static TPopupMenuSkinners skinners;
  return skinners;
}

}  // namespace pelorin
