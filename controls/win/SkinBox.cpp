// TSkinBox: recolouring framework boxes, painting plain group boxes.
#include "controls/win/SkinBox.h"

#include "controls/GroupBoxLayout.h"
#include "host/win/ExtCtrls.h"
#include "host/win/Graphics.h"
#include "host/win/StdCtrls.h"
#include "paint/win/GdiHandles.h"
#include "skinmodel/WinSkinData.h"

namespace pelorin {

TSkinBox::~TSkinBox() { TSkinBox::Detach(); }

bool TSkinBox::AttachControl(TWinControl* control, TSkinData* skinData, bool changeColor) {
  if (!TSkinControl::AttachControl(control, skinData, changeColor)) return false;
  groupBox_ = dynamic_cast<TCustomGroupBox*>(control) != nullptr;
  panel_ = dynamic_cast<TCustomPanel*>(control);
  if (panel_) {
    savedHighlight_ = panel_->BevelHighlight();
    savedShadow_ = panel_->BevelShadow();
    ColourBevels();
  }
  if (groupBox_) {
    savedFontColor_ = control->Font().Color();
    savedParentFont_ = control->ParentFont();
  }
  return true;
}

void TSkinBox::Detach() {
  // Setting the colour ends ParentFont; setting ParentFont again takes the
  // parent's font (and its colour) back.
  if (groupBox_ && Control() && !Owner().ReleasingSkin()) {
    TWinControl* box = Control();
    box->Font().SetColor(savedFontColor_);
    if (savedParentFont_) box->SetParentFont(true);
  }
  if (panel_ && Control() && !Owner().ReleasingSkin()) panel_->SetBevelColors(savedHighlight_, savedShadow_);
  groupBox_ = false;
  panel_ = nullptr;
  DetachAndRepaint();
}

void TSkinBox::ApplySkinChange(TSkinData* skinData) {
  TSkinControl::ApplySkinChange(skinData);
  ColourBevels();
}

void TSkinBox::ColourBevels() {
  if (panel_ && Control() && SkinData())
    panel_->SetBevelColors(SkinData()->colors[csButtonHilight], SkinData()->colors[csButtonShadow]);
}

bool TSkinBox::BeforeMessage(TMessage& m) {
  // A group box's own erase leaves its inside as it was; the face of the
  // skin belongs there.
  if (m.Msg == WM_ERASEBKGND && (groupBox_ || !Control())) {
    EraseInside(reinterpret_cast<HDC>(m.WParam));
    m.Result = 1;
    return false;
  }
  if (m.Msg != WM_PAINT) return true;
  if (groupBox_ && Control() && SkinData()) {
    // Only a change repaints: the font's change invalidates the box again.
    const TColor caption = SkinData()->colors[csButtonText];
    if (Control()->Font().Color() != caption) Control()->Font().SetColor(caption);
    return true;
  }
  if (Control()) return true;
  // A plain group box: drawn here whole.
  PAINTSTRUCT ps{};
  HDC dc = reinterpret_cast<HDC>(m.WParam);
  const bool began = dc == nullptr;
  if (began) dc = BeginPaint(Handle(), &ps);
  if (dc) PaintPlainGroupBox(dc);
  if (began) EndPaint(Handle(), &ps);
  m.Result = 0;
  return false;
}

void TSkinBox::AfterMessage(TMessage& m) {
  // Framework boxes paint themselves in the skin's colours; nothing to add after WM_PAINT.
  if (m.Msg == WM_PAINT) return;
  // The window is going away, perhaps with its control: nothing to give back.
  if (m.Msg == WM_NCDESTROY) {
    groupBox_ = false;
    panel_ = nullptr;
  }
  // A plain group box's text is drawn from the window.
  if (m.Msg == WM_SETTEXT && !Control()) {
    ReadCaption();
    InvalidateRect(Handle(), nullptr, TRUE);
    return;
  }
  TSkinControl::AfterMessage(m);
}

void TSkinBox::Paint(HDC, const TRect&) {}

void TSkinBox::EraseInside(HDC dc) {
  RECT client{};
  if (!dc || !GetClientRect(Handle(), &client)) return;
  const int saved = SaveDC(dc);
  // A plain box's contents are its siblings, and nothing clips them out of
  // its DC: erasing over them would wipe them until they repaint.
  if (!Control()) {
    for (HWND s = GetWindow(Handle(), GW_HWNDFIRST); s; s = GetWindow(s, GW_HWNDNEXT)) {
      RECT r{};
      if (s == Handle() || !IsWindowVisible(s) || !GetWindowRect(s, &r)) continue;
      MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&r), 2);
      ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
    }
  }
  FillBackground(dc, {client.left, client.top, client.right, client.bottom});
  RestoreDC(dc, saved);
}

void TSkinBox::PaintPlainGroupBox(HDC dc) {
  const TSkinData* skin = SkinData();
  if (!skin) return;
  RefreshFacts();
  RECT client{};
  GetClientRect(Handle(), &client);
  auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(Handle(), WM_GETFONT, 0, 0));
  const TSelectGuard fontGuard(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
  const std::wstring& text = Caption();
  RECT m{0, 0, 0, 0};
  DrawTextW(dc, text.empty() ? L" " : text.c_str(), text.empty() ? 1 : static_cast<int>(text.size()), &m,
            DT_CALCRECT | DT_SINGLELINE);
  const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
  const int format = (style & BS_CENTER) == BS_CENTER ? 1 : (style & BS_RIGHT) ? 2 : 0;
  const TGroupBoxLayout layout =
      LayOutGroupBox({client.right, client.bottom}, {text.empty() ? 0 : m.right - m.left, m.bottom - m.top}, format);

  RECT frame{layout.Frame.Left, layout.Frame.Top, layout.Frame.Right, layout.Frame.Bottom};
  DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
  if (!layout.Caption.IsEmpty()) {
    RECT caption{layout.Caption.Left, layout.Caption.Top, layout.Caption.Right, layout.Caption.Bottom};
    const TGdiObject<HBRUSH> face(CreateSolidBrush(ToColorRef(skin->colors[csButtonFace])));
    if (face) FillRect(dc, &caption, face.Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, Enabled() ? ToColorRef(skin->colors[csButtonText]) : GetSysColor(COLOR_BTNSHADOW));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &caption,
              DT_SINGLELINE | DT_CENTER | DT_END_ELLIPSIS);
  }
}

}  // namespace pelorin
