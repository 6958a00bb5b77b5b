// TSkinEdit: the border rings, drawn after the edit's own paint and after
// every paint of its frame.
#include "controls/win/SkinEdit.h"

#include <memory>

#include "controls/EditBorder.h"
#include "controls/win/ControlBackground.h"
#include "controls/win/SkinUpDown.h"
#include "host/win/Graphics.h"
#include "paint/win/GdiHandles.h"
#include "skinmodel/WinSkinData.h"

namespace pelorin {

namespace {
bool IsSpinClass(HWND wnd) {
  char name[100] = {};
  GetClassNameA(wnd, name, sizeof name);
  return lstrcmpA(name, "msctls_updown32") == 0 || lstrcmpA(name, "TSpinButton") == 0;
}

const UINT FindSpinMessage = RegisterWindowMessageW(L"Pelorin.Edit.FindSpin");
}  // namespace

bool TSkinEdit::AttachControl(TWinControl* control, TSkinData* skinData, bool changeColor) {
  if (!TSkinControl::AttachControl(control, skinData, changeColor)) return false;
  FindUpDown();
  return true;
}

bool TSkinEdit::AttachWindow(HWND wnd, TSkinData* skinData) {
  if (!TSkinControl::AttachWindow(wnd, skinData)) return false;
  FindUpDown();
  return true;
}

bool TSkinEdit::BeforeMessage(TMessage& m) {
  if (m.Msg != FindSpinMessage || !FindSpinMessage) return true;
  searchPosted_ = false;
  if (!upDown_ || !upDown_->Attached()) FindUpDown();
  if (upDown_) InvalidateNow();
  return false;
}

void TSkinEdit::AfterMessage(TMessage& m) {
  // The border is non-client: the system draws its edge again whenever the
  // frame changes (a scroll bar appears, the window is resized).
  if (m.Msg == WM_NCPAINT) {
    PaintNow();
    return;
  }
  TSkinControl::AfterMessage(m);
}

HWND TSkinEdit::FindSpinChild() const {
  for (HWND child = GetTopWindow(Handle()); child; child = GetWindow(child, GW_HWNDNEXT))
    if (IsSpinClass(child)) return child;
  return nullptr;
}

void TSkinEdit::FindUpDown() {
  upDown_ = nullptr;
  const HWND spin = FindSpinChild();
  hasSpin_ = spin != nullptr;
  triedSpin_ = spin;
  if (!spin) return;
  auto skinner = std::make_unique<TSkinUpDown>(Owner());
  if (!skinner->AttachWindow(spin, SkinData())) return;
  upDown_ = skinner.get();
  // Owned by the form skinner: detached with everything else when the form is unskinned.
  Owner().AdoptControlSkinner(std::move(skinner));
}

void DrawEditRings(HWND wnd, HDC dc, const TRect& rect, const TSkinData& skin, bool hasSpin, bool disabled) {
  RECT c;
  if (!GetClientRect(wnd, &c)) return;
  const TEditRings rings = EditRingRule({c.right, c.bottom}, {rect.Width(), rect.Height()}, hasSpin);
  if (rings.Background == 0) return;
  const bool staticLook = disabled || (GetWindowLongPtrW(wnd, GWL_STYLE) & ES_READONLY) != 0;
  HBRUSH background = ControlBackgroundBrush(wnd, dc, staticLook);
  for (int i = 1; i <= rings.Background; ++i) {
    const RECT ring{rect.Left + i, rect.Top + i, rect.Right - i, rect.Bottom - i};
    FrameRect(dc, &ring, background);
  }
  if (!rings.Shadow) return;
  const TGdiObject<HBRUSH> shadow(CreateSolidBrush(ToColorRef(skin.colors[csButtonShadow])));
  if (!shadow) return;
  const RECT outer{rect.Left, rect.Top, rect.Right, rect.Bottom};
  FrameRect(dc, &outer, shadow.Get());
}

void TSkinEdit::Paint(HDC dc, const TRect& rect) {
  const TSkinData* skin = SkinData();
  if (!skin) return;
  if (!upDown_ || !upDown_->Attached()) {
    const HWND spin = FindSpinChild();
    hasSpin_ = spin != nullptr;
    if (spin && spin != triedSpin_ && !searchPosted_ && FindSpinMessage)
      searchPosted_ = PostMessageW(Handle(), FindSpinMessage, 0, 0) != 0;
  }
  RefreshFacts();
  DrawEditRings(Handle(), dc, rect, *skin, hasSpin_, !Enabled());
}

}  // namespace pelorin
