// TWinSkinPopMenu: the skin's MenuBackground image as the frame of a popup
// menu window ("#32768"), and the program's list of such skinners that the
// skin manager fills and the menu item drawing reads.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "host/core/Bitmap.h"
#include "skinbase/SkinnerRegistry.h"
#include "skinbase/win/WindowSubclass.h"

namespace pelorin {

class TSkinModel;

class TWinSkinPopMenu : public TWindowSkinner {
public:
  // The fixed width of the painted frame on every side.
  static constexpr int BorderWidth = 3;

  TWinSkinPopMenu() = default;
  ~TWinSkinPopMenu() override;
  TWinSkinPopMenu(const TWinSkinPopMenu&) = delete;
  TWinSkinPopMenu& operator=(const TWinSkinPopMenu&) = delete;

  // Subclasses the menu window; menu may be 0 (the item drawing reports it).
  // managerActive (the skin manager's switch, outliving the popup) is read
  // at every message; null counts as on.
  void Attach(HWND wnd, const TSkinModel* skin, HMENU menu, const bool* managerActive = nullptr);
  // Gives the window its procedure back and drops the frame image.
  void Detach();
  bool Attached() const { return subclass_ != nullptr; }

  HWND Handle() const { return wnd_; }
  const TSkinModel* Skin() const { return skin_; }
  HMENU Menu() const { return menu_; }
  void SetMenu(HMENU menu) { menu_ = menu; }
  // The frame image last composed (the window's size), empty when detached.
  const TBitmap& FrameBitmap() const { return frame_; }

  // Composes the frame for a window of width x height; false without a
  // usable MenuBackground image.
  bool ComposeFrame(int width, int height);
  // The frame's four 3-pixel bands onto dc (window coordinates).
  bool PaintFrame(HDC dc);
  // The same onto the window.
  bool RepaintFrame();

private:
  static LRESULT SubclassProc(void* self, HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT Print(HDC dc, LPARAM flags, WPARAM wParam);
  void MarkPending();

  HWND wnd_ = nullptr;
  const TSkinModel* skin_ = nullptr;
  HMENU menu_ = nullptr;
  TBitmap frame_;
  std::unique_ptr<TWindowSubclass> subclass_;
  // The skin manager's on/off switch: while off, the menu keeps the system look.
  const bool* managerActive_ = nullptr;
};

// The popup skinners of the program, in order of attachment (owned).
class TPopupMenuSkinners {
public:
  // A skinner for wnd unless it has one; skin must hold a loaded skin.
  // managerActive as for TWinSkinPopMenu::Attach.
  TWinSkinPopMenu* Attach(HWND wnd, const TSkinModel* skin, const bool* managerActive = nullptr);
  // Detaches and frees wnd's skinner; false when it had none.
  bool Release(HWND wnd);
  TWinSkinPopMenu* Find(HWND wnd) const;
  // Frame image of the first skinner showing menu, or nullptr.
  const TBitmap* FindPopupBitmap(HMENU menu) const;
  // Detaches and frees every skinner drawing from skin (it is going away).
  void ReleaseSkin(const TSkinModel* skin);
  // Detaches and frees every skinner.
  void Clear();
  int Count() const { return static_cast<int>(items_.size()); }

  // The skinner that painted its frame before it knew its menu; the next
  // drawn menu item tells it (then it is cleared).
  TWinSkinPopMenu* PendingPopupMenu = nullptr;
  // Reports menu to the pending skinner, if any.
  void TakePendingMenu(HMENU menu);

private:
  std::vector<std::unique_ptr<TWinSkinPopMenu>> items_;
};

TPopupMenuSkinners& PopupMenuSkinners();

}  // namespace pelorin
