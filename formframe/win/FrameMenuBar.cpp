// The frame's menu bar and menu items: the skinned bar built from the
// window's menu and painted into the composed frame, the MDI child buttons in
// it, and the owner drawing of the host form's popup menu components.
#include <windows.h>

#include "formframe/WinSkinForm.h"
#include "host/win/Forms.h"
#include "menus/win/SkinMenuItems.h"
#include "menus/win/WinSkinMenu.h"
#include "formframe/FrameCompose.h"
#include "paint/SkinPaint.h"
#include "skinmodel/WinSkinData.h"

namespace pelorin {

void TWinSkinForm::AttachMenuBar() {
  menuBar_.reset();
  if (!windowMenu_ || mdiRole_ == mrChild) return;
  menuBar_ = std::make_unique<TWinSkinMenu>(*this, wnd_, skin_, form_ ? form_->Menu() : nullptr);
  menuBar_->LoadMenuItems();
  // A menu without items keeps its native bar.
  if (menuBar_->Count() == 0) {
    menuBar_.reset();
    return;
  }
  menuBar_->PaintExtras = [this](TBitmap& bar) { PaintMdiButtons(bar); };
}

void TWinSkinForm::DetachMenuBar() {
  if (!menuBar_) return;
  if (!destroyed_ && IsWindow(wnd_)) menuBar_->RestoreMenu();
  menuBar_.reset();
}

int TWinSkinForm::MenuBarHeight() const { return menuBar_ ? GetSystemMetrics(SM_CYMENU) : 0; }

void TWinSkinForm::PaintMenuBarInto(TBitmap& frame, int width) {
  if (!menuBar_ || metrics_.MenuBar <= 0) return;
  HDC dc = static_cast<HDC>(frame.DC());
  if (!dc) return;
  menuBar_->SetSkinData(skin_);
  GdiFlush();
  menuBar_->PaintMenuBar(dc, Rect(metrics_.Left, metrics_.Top, width - metrics_.Right, metrics_.Top + metrics_.MenuBar),
                         facts_.Active);
}

void TWinSkinForm::PaintMdiButtons(TBitmap& bar) {
  if (mdiRole_ != mrFrame || !HasMaximizedMDIChild()) return;
  for (const auto& b : buttons_) {
    if (b->SkinButton().Visibility != MdiButtonVisibility || b->Image().Empty()) continue;
    DrawTitleButton(bar, b->BoundsRect.Offset(-metrics_.Left, -metrics_.Top), {&b->SkinButton(), &b->Image(), b->FrameCount()},
                    1);
  }
  if (!FrameManagerLink().MdiMax()) FrameManagerLink().SetMdiMax(true);
}

void TWinSkinForm::PrepareMenus(bool on) {
  if (!form_) return;
  if (!menuItems_) menuItems_ = std::make_unique<TSkinMenuItems>(wnd_, skin_, form_->Menu());
  menuItems_->SetSkinData(skin_);
  menuItems_->PrepareMenus(form_, on);
}

}  // namespace pelorin
