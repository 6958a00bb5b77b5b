// TSkinTrackBar: answers the custom-draw stages and paints the thumb.
#include "controls/win/SkinTrackBar.h"

#include "controls/RangeControls.h"
#include "host/win/Graphics.h"
#include "paint/win/DrawElementDC.h"
#include "skinbase/win/WindowSubclass.h"
#include "skinmodel/WinSkinData.h"

namespace pelorin {

TSkinTrackBar::TSkinTrackBar(TControlSkinnerHost& owner) : TSkinControl(owner) {}

TSkinTrackBar::~TSkinTrackBar() { TSkinTrackBar::Detach(); }

bool TSkinTrackBar::AttachWindow(HWND wnd, TSkinData* skinData) {
  if (!TSkinControl::AttachWindow(wnd, skinData)) return false;
  if (HWND parent = GetParent(wnd)) {
    parentHook_ = std::make_unique<TWindowSubclass>(parent, &ParentProc, this);
    if (!parentHook_->Installed()) parentHook_.reset();
  }
  return true;
}

void TSkinTrackBar::Detach() {
  parentHook_.reset();
  faceBrush_.Reset();
  DetachAndRepaint();
}

bool TSkinTrackBar::IsOurCustomDraw(LPARAM lParam) const {
  const auto* header = reinterpret_cast<const NMHDR*>(lParam);
  return header && header->code == static_cast<UINT>(NM_CUSTOMDRAW) && header->hwndFrom == Handle();
}

LRESULT TSkinTrackBar::ParentProc(void* self, HWND, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* skinner = static_cast<TSkinTrackBar*>(self);
  if (msg == WM_NOTIFY && skinner->IsOurCustomDraw(lParam))
    return skinner->CustomDraw(*reinterpret_cast<const NMCUSTOMDRAW*>(lParam));
  if (msg == WM_CTLCOLORSTATIC && reinterpret_cast<HWND>(lParam) == skinner->Handle() && skinner->SkinData()) {
    SetBkColor(reinterpret_cast<HDC>(wParam), ToColorRef(skinner->SkinData()->colors[csButtonFace]));
    return reinterpret_cast<LRESULT>(skinner->FaceBrush());
  }
  return skinner->parentHook_->CallNext(msg, wParam, lParam);
}

HBRUSH TSkinTrackBar::FaceBrush() {
  const TColor face = SkinData()->colors[csButtonFace];
  if (!faceBrush_ || brushColor_ != face) {
    faceBrush_.Reset(CreateSolidBrush(ToColorRef(face)));
    brushColor_ = face;
  }
  return faceBrush_.Get();
}

bool TSkinTrackBar::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_ERASEBKGND:
      m.Result = 1;
      return false;
    case WM_NOTIFY:
    case CN_NOTIFY:
      if (!IsOurCustomDraw(m.LParam)) return true;
      m.Result = CustomDraw(*reinterpret_cast<const NMCUSTOMDRAW*>(m.LParam));
      return false;
    default:
      return true;
  }
}

LRESULT TSkinTrackBar::CustomDraw(const NMCUSTOMDRAW& draw) {
  const TCustomDrawAnswer answer = TrackBarCustomDraw(draw.dwDrawStage, draw.dwItemSpec);
  if (answer.DrawThumb) {
    try {
      DrawThumb(draw);
    } catch (...) {
      // Painting never reports: the thumb stays as it was.
    }
  }
  return answer.Result;
}

void TSkinTrackBar::DrawThumb(const NMCUSTOMDRAW& draw) {
  const TSkinData* skin = SkinData();
  if (!skin || !draw.hdc) return;
  RECT thumb{}, client{};
  SendMessageW(Handle(), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  GetClientRect(Handle(), &client);
  const TRect at = SkinThumbRect({thumb.left, thumb.top, thumb.right, thumb.bottom},
                                 {client.left, client.top, client.right, client.bottom});
  if (at.IsEmpty()) return;
  if (skin->Buttons && !skin->Buttons->Bitmap.Empty()) {
    DrawElementFrame(draw.hdc, at, *skin->Buttons, cfHot);
    return;
  }
  TCanvas& canvas = Owner().SharedCanvas();
  canvas.SetHandle(draw.hdc);
  canvas.Pen().SetColor(skin->colors[csButtonShadow]);
  canvas.Rectangle(at);
  canvas.SetHandle(nullptr);
}

}  // namespace pelorin
