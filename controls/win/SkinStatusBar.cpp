// TSkinStatusBar: the status bar is composed in the shared buffer, panel by
// panel, and put on the window in one blit.
#include "controls/win/SkinStatusBar.h"

#include <commctrl.h>

#include "host/win/ComCtrls.h"
#include "host/win/Graphics.h"
#include "host/win/platform/WideText.h"
#include "paint/DrawElement.h"
#include "paint/SkinPaint.h"
#include "paint/win/GdiHandles.h"
#include "skinmodel/WinSkinData.h"

namespace pelorin {

namespace {
std::wstring SystemText(HWND wnd, int index, unsigned& flags) {
  const LRESULT info = SendMessageW(wnd, SB_GETTEXTLENGTHW, static_cast<WPARAM>(index), 0);
  flags = HIWORD(info);
  std::wstring text(static_cast<size_t>(LOWORD(info)) + 1, L'\0');
  const LRESULT got = SendMessageW(wnd, SB_GETTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(std::min<size_t>(LOWORD(got), text.size() - 1));
  return text;
}
}  // namespace

TSkinStatusBar::~TSkinStatusBar() { TSkinStatusBar::Detach(); }

void TSkinStatusBar::Detach() {
  DetachAndRepaint();
}

bool TSkinStatusBar::BeforeMessage(TMessage& m) {
  return !PaintWholeControl(m);
}

std::vector<TStatusPanelView> TSkinStatusBar::Panels() const {
  std::vector<TStatusPanelView> panels;
  if (auto* bar = dynamic_cast<TStatusBar*>(Control())) {
    for (int i = 0; i < bar->PanelCount(); ++i) {
      const TStatusPanel& p = bar->Panel(i);
      panels.push_back({i, Utf8ToWide(p.Text), AlignmentFormat(p.Alignment), PanelFrameOfBevel(p.Bevel)});
    }
    return PlanStatusPanels(bar->SimplePanel(), Utf8ToWide(bar->SimpleText()), std::move(panels));
  }
  // A plain bar: what the window holds. While simple it answers with the simple text.
  const HWND wnd = Handle();
  unsigned flags = 0;
  if (SendMessageW(wnd, SB_ISSIMPLE, 0, 0)) {
    TStatusPanelView simple = PanelFromSystemText(-1, SystemText(wnd, 0, flags), flags);
    return {simple};
  }
  const int count = static_cast<int>(SendMessageW(wnd, SB_GETPARTS, 0, 0));
  // The system bar holds at most 256 parts.
  for (int i = 0; i < std::min(count, 256); ++i)
    panels.push_back(PanelFromSystemText(i, SystemText(wnd, i, flags), flags));
  return PlanStatusPanels(false, {}, std::move(panels));
}

void TSkinStatusBar::Paint(HDC dc, const TRect& rect) {
  TSkinData* skin = SkinData();
  if (!skin) return;
  RefreshFacts();
  const TRect r = Rect(0, 0, rect.Width(), rect.Height());
  TBitmap& buffer = Buffer();
  GdiFlush();
  GrowBitmap(buffer, r.Right, r.Bottom);
  buffer.FillRect(r, ColorToRGB(skin->colors[csButtonFace]));
  HDC bdc = BufferDC();
  if (!bdc) return;
  auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(Handle(), WM_GETFONT, 0, 0));
  const TSelectGuard fontGuard(bdc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
  TColor text = Control() ? Control()->Font().Color() : static_cast<TColor>(clBtnText);
  if (skin->StatusBarEdge) text = skin->StatusBarEdge->NormalColour;
  SetTextColor(bdc, ToColorRef(text));
  const bool image = skin->StatusBarEdge && !skin->StatusBarEdge->Bitmap.Empty();
  for (const TStatusPanelView& panel : Panels()) {
    TRect at = r;
    if (panel.Index >= 0) {
      RECT pr{};
      if (!SendMessageW(Handle(), SB_GETRECT, static_cast<WPARAM>(panel.Index), reinterpret_cast<LPARAM>(&pr)))
        continue;
      at = {pr.left, pr.top, pr.right, pr.bottom};
    }
    if (image) {
      DrawImagePanel(bdc, at, panel);
    } else {
      DrawBevelPanel(bdc, at, panel);
    }
  }
  SetBkMode(bdc, OPAQUE);
  BlitBuffer(dc, rect);
}

void TSkinStatusBar::DrawImagePanel(HDC dc, const TRect& rect, const TStatusPanelView& panel) {
  if (rect.IsEmpty()) return;
  GdiFlush();  // the text of the panel before
  DrawElement(Buffer(), rect, *SkinData()->StatusBarEdge, panel.Frame);
  DrawPanelText(dc, rect, panel);
}

void TSkinStatusBar::DrawBevelPanel(HDC dc, const TRect& rect, const TStatusPanelView& panel) {
  if (rect.IsEmpty()) return;
  TRect inner = rect;
  if (panel.Frame != pfFlat) {
    const auto [top, bottom] = BevelColors(panel.Frame);
    const TGdiObject<HPEN> topPen(CreatePen(PS_SOLID, 1, top)), bottomPen(CreatePen(PS_SOLID, 1, bottom));
    {
      const TSelectGuard upper(dc, topPen.Get());
      MoveToEx(dc, rect.Left, rect.Bottom - 1, nullptr);
      LineTo(dc, rect.Left, rect.Top);
      LineTo(dc, rect.Right - 1, rect.Top);
    }
    const TSelectGuard lower(dc, bottomPen.Get());
    LineTo(dc, rect.Right - 1, rect.Bottom - 1);
    LineTo(dc, rect.Left - 1, rect.Bottom - 1);
    inner = rect.Inflate(-1, -1);
  }
  DrawPanelText(dc, inner, panel);
}

void TSkinStatusBar::DrawPanelText(HDC dc, const TRect& rect, const TStatusPanelView& panel) {
  if (panel.Text.empty()) return;
  RECT m{0, 0, 0, 0};
  DrawTextW(dc, panel.Text.c_str(), static_cast<int>(panel.Text.size()), &m,
            DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX | DT_EXPANDTABS);
  const TRect at = PlacePanelText(rect, {m.right - m.left, m.bottom - m.top}, panel.Format);
  RECT t{at.Left, at.Top, at.Right, at.Bottom};
  SetBkMode(dc, TRANSPARENT);
  if (!Enabled()) SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
  DrawTextW(dc, panel.Text.c_str(), static_cast<int>(panel.Text.size()), &t,
            DT_SINGLELINE | DT_NOPREFIX | DT_EXPANDTABS | DT_END_ELLIPSIS);
}

}  // namespace pelorin
