// The mouse in the skinned title bar: finding buttons, the non-client mouse
// messages, the hover timer and what a click on a button does.
#include <windows.h>

#include "formframe/WinSkinForm.h"
#include "controls/win/WinSubClass.h"
#include "menus/win/WinSkinMenu.h"
#include "skinbase/win/WinGeometry.h"
#include "skinmodel/WinSkinData.h"

namespace pelorin {

namespace {
constexpr UINT_PTR HoverTimerId = 0x50E1;
}

TWinSysButton* TWinSkinForm::FindSysButtonAt(TPoint p) {
  // The buttons are where the window's current size puts them, even when it
  // changed after the last paint.
  if (skin_ && !skin_->Empty) LayOutNow(WindowSize());
  for (const auto& b : buttons_)
    if (SysButtonAccepts(*b, b->SkinButton().Action, p)) return b.get();
  return nullptr;
}

TPoint TWinSkinForm::NCPointFromScreen(TPoint screen) const {
  RECT wr;
  GetWindowRect(wnd_, &wr);
  return {screen.X - wr.left, screen.Y - wr.top};
}

void TWinSkinForm::SetHoverTimer(bool on) {
  if (!wnd_ || on == hoverOn_) return;
  hoverOn_ = on;
  if (on) {
    SetTimer(wnd_, HoverTimerId, 250, nullptr);
  } else {
    KillTimer(wnd_, HoverTimerId);
  }
}

void TWinSkinForm::LeaveHotControl(bool always) {
  if (!hotControl_) return;
  POINT cursor;
  if (!always && GetCursorPos(&cursor) && hotControl_->WindowRect().Contains({cursor.x, cursor.y})) return;
  TSkinControl* hot = hotControl_;
  hotControl_ = nullptr;
  hot->SendMouseLeave();
}

void TWinSkinForm::HoverTick() {
  const std::shared_ptr<bool> alive = alive_;
  LeaveHotControl(false);
  // The cursor is over an open bar popup, not over its pressed bar item: the
  // item stays pressed until the popup closes.
  if (!*alive || !CurrentObject || TWinSkinMenu::TrackedMenu()) return;
  POINT cursor;
  if (!GetCursorPos(&cursor)) return;
  if (!CurrentObject->BoundsRect.Contains(NCPointFromScreen({cursor.x, cursor.y}))) CurrentObject->MouseLeave();
}

bool TWinSkinForm::HandleNCMouse(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  const TPoint screen = PointFromLParam(lParam);
  TWinSysButton* found = FindSysButtonAt(NCPointFromScreen(screen));
  result = 0;
  switch (msg) {
    case WM_NCMOUSEMOVE: {
      if (!facts_.Active) return true;
      // A bar item is entered here as well: leaving it here and entering it
      // again in the bar would repaint it twice at every move.
      TNCObject* object = found;
      if (!object && menuBar_) object = menuBar_->FindMenuBtnAt(NCPointFromScreen(screen));
      if (object) {
        object->MouseEnter();
        return true;
      }
      if (CurrentObject) CurrentObject->MouseLeave();
      return false;
    }
    case WM_NCLBUTTONDOWN:
      if (found && facts_.Active) {
        found->MouseDown();
        return true;
      }
      if (found) return true;
      // A maximised window is not dragged by its title.
      if (facts_.State == nwMaximized && wParam == HTCAPTION) {
        result = CallOld(msg, HTMENU, lParam);
        return true;
      }
      return false;
    case WM_NCLBUTTONUP:
      // Only the button the press started on acts.
      if (found && found == CurrentObject && found->State == nsPressed) {
        found->MouseUp();
        DoSysButtonAction(screen);
      }
      return found != nullptr;
    case WM_NCLBUTTONDBLCLK:
      // A double click on a button is a second click on it, not on the title.
      if (found) {
        if (facts_.Active) found->MouseDown();
        return true;
      }
      if (wParam != HTCAPTION) return false;
      if (facts_.State != nwNormal) {
        Restore();
      } else if (facts_.SavedStyles & ssMaximizeBox) {
        facts_.State = nwMaximized;
        PostMessageW(wnd_, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
      }
      return true;
    case WM_NCRBUTTONDOWN:
      if (wParam == HTCAPTION && mdiRole_ != mrChild && systemMenu_) {
        TrackPopupMenu(systemMenu_, TPM_RIGHTBUTTON, screen.X, screen.Y, 0, wnd_, nullptr);
        return true;
      }
      return false;
    default:
      return false;
  }
}

void TWinSkinForm::Restore() {
  facts_.State = nwNormal;
  PostMessageW(wnd_, WM_SYSCOMMAND, SC_RESTORE, 0);
}

void TWinSkinForm::SendToMdiChild(UINT command) {
  if (mdiRole_ != mrFrame || !mdiClient_) return;
  const HWND active = reinterpret_cast<HWND>(SendMessageW(mdiClient_, WM_MDIGETACTIVE, 0, 0));
  if (!active) return;
  const std::shared_ptr<bool> alive = alive_;
  SendMessageW(active, WM_SYSCOMMAND, command, 0);
  if (!*alive || HasMaximizedMDIChild()) return;
  if (FrameManagerLink().MdiMax()) FrameManagerLink().SetMdiMax(false);
  // The buttons leave the bar; the system does not always repaint the frame.
  RedrawWindow(wnd_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void TWinSkinForm::DoSysButtonAction(TPoint screen) {
  auto* button = dynamic_cast<TWinSysButton*>(CurrentObject);
  if (!button) return;
  const int action = button->SkinButton().Action;
  switch (SysButtonEffect(action, facts_.State)) {
    case beClose:
      SetHoverTimer(false);
      PostMessageW(wnd_, WM_CLOSE, 0, 0);
      break;
    case beMaximize:
      facts_.State = nwMaximized;
      PostMessageW(wnd_, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
      CurrentObject = nullptr;
      break;
    case beMinimize:
      facts_.State = nwMinimized;
      PostMessageW(wnd_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
      break;
    case beRestore:
      Restore();
      break;
    case beSysMenu:
      if (systemMenu_) TrackPopupMenu(systemMenu_, TPM_RIGHTBUTTON, screen.X, screen.Y, 0, wnd_, nullptr);
      break;
    case beMdiMinimize: SendToMdiChild(SC_MINIMIZE); break;
    case beMdiRestore: SendToMdiChild(SC_RESTORE); break;
    case beMdiClose: SendToMdiChild(SC_CLOSE); break;
    case beCustom:
      PostMessageW(wnd_, WM_SKIN_TITLEBUTTON, WPARAM(action), 0);
      break;
  }
}

}  // namespace pelorin
