// TSkinTab: preparing the images and painting the strip and the page frame.
#include "controls/win/SkinTab.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "controls/win/IconCaption.h"
#include "host/win/Graphics.h"
#include "paint/win/SkinPaintDC.h"
#include "skinmodel/WinSkinData.h"

namespace pelorin {

namespace {
constexpr int CaptionChars = 260;

bool HasTabImage(const TSkinData* skin) { return skin && !skin->Empty && skin->Tab && !skin->Tab->Bitmap.Empty(); }

struct TTabDraw {
  TRect At;
  int Frame;
  int Image;
  std::wstring Text;
};
}  // namespace

bool TSkinTab::AttachWindow(HWND wnd, TSkinData* skinData) {
  if (!TSkinControl::AttachWindow(wnd, skinData)) return false;
  PrepareImages();
  return true;
}

TTabSide TSkinTab::OrientationFromStyle() const {
  return TabSideFromStyle(static_cast<uint32_t>(GetWindowLongPtrW(Handle(), GWL_STYLE)));
}

void TSkinTab::PrepareImages() {
  side_ = OrientationFromStyle();
  const TSkinData* skin = SkinData();
  PrepareTabImages(side_, HasTabImage(skin) ? skin->Tab.get() : nullptr, images_);
}

void TSkinTab::ApplySkinChange(TSkinData* skinData) {
  SetSkinDataOnly(skinData);
  PrepareImages();
  if (!Attached()) return;
  // Erased too: a skin without tab images leaves the system look, which
  // paints only its tabs over the background.
  RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
}

void TSkinTab::AfterMessage(TMessage& m) {
  if (m.Msg == WM_STYLECHANGED && m.WParam == static_cast<WPARAM>(GWL_STYLE) && OrientationFromStyle() != side_) {
    PrepareImages();
    InvalidateNow();
    return;
  }
  TSkinControl::AfterMessage(m);
}

void TSkinTab::ComposeStrip(const TRect& strip, HWND wnd) {
  const TSkinData& skin = *SkinData();
  const TDataSkinBorder& tab = *skin.Tab;
  lying_.Fill(ColorToRGB(skin.colors[csButtonFace]));
  const int count = static_cast<int>(SendMessageW(wnd, TCM_GETITEMCOUNT, 0, 0));
  const int current = static_cast<int>(SendMessageW(wnd, TCM_GETCURSEL, 0, 0));
  const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(wnd, TCM_GETIMAGELIST, 0, 0));
  const TRect bounds = lying_.BoundsRect();
  std::vector<TTabDraw> tabs;
  wchar_t text[CaptionChars];
  for (int i = 0; i < count; ++i) {
    RECT ir;
    if (!SendMessageW(wnd, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&ir))) continue;
    const TRect at = TabInStrip(side_, Rect(ir.left, ir.top, ir.right, ir.bottom), strip);
    // Tabs scrolled out of the strip cost nothing.
    if (at.Right <= bounds.Left || at.Left >= bounds.Right || at.Bottom <= bounds.Top || at.Top >= bounds.Bottom)
      continue;
    TCITEMW item{};
    item.mask = TCIF_TEXT | TCIF_IMAGE | TCIF_STATE;
    item.pszText = text;
    item.cchTextMax = CaptionChars;
    text[0] = L'\0';
    if (!SendMessageW(wnd, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item))) continue;
    text[CaptionChars - 1] = L'\0';
    tabs.push_back({at, i == current ? 2 : 1, item.iImage, item.pszText ? item.pszText : L""});
  }
  // The selected tab last: it overlaps its neighbours, as the system draws it.
  std::stable_partition(tabs.begin(), tabs.end(), [](const TTabDraw& t) { return t.Frame == 1; });
  for (const TTabDraw& t : tabs) DrawTabImage(lying_, t.At, images_, tab, t.Frame);

  // Text through GDI after every pixel write: GDI may still queue it.
  HDC dc = static_cast<HDC>(lying_.DC());
  if (!dc) return;
  auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(wnd, WM_GETFONT, 0, 0));
  HGDIOBJ oldFont = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  for (const TTabDraw& t : tabs) {
    SetTextColor(dc, ToColorRef(t.Frame == 2 ? tab.MouseOverColour : tab.NormalColour));
    if (images) {
      DrawIconCaption(dc, t.At, t.Text, t.Image, images, Enabled());
    } else {
      DrawCaption(dc, t.At, 1, Enabled(), t.Text);
    }
  }
  SetBkMode(dc, OPAQUE);
  SelectObject(dc, oldFont);
  GdiFlush();
}

void TSkinTab::BlitAroundUpDown(HDC dc, const TRect& at, const TBitmap& strip, HWND upDown, TPoint clientOrigin) {
  RECT ur;
  const bool clip = upDown && IsWindowVisible(upDown) && GetWindowRect(upDown, &ur);
  if (clip) {
    // The arrows are a child window: kept out of the blit, they stay visible.
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&ur), 2);
    SaveDC(dc);
    ExcludeClipRect(dc, ur.left + clientOrigin.X, ur.top + clientOrigin.Y, ur.right + clientOrigin.X,
                    ur.bottom + clientOrigin.Y);
  }
  BitBlt(dc, at.Left, at.Top, strip.Width(), strip.Height(), static_cast<HDC>(strip.DC()), 0, 0, SRCCOPY);
  if (clip) RestoreDC(dc, -1);
}

void TSkinTab::Paint(HDC dc, const TRect& rect) {
  const HWND wnd = Handle();
  if (!HasTabImage(SkinData()) || images_.Tab.Empty() || !wnd) return;
  RefreshFacts();
  // Rect is the whole window; the control's rectangles are client ones.
  RECT cr, wr;
  POINT origin{0, 0};
  if (!GetClientRect(wnd, &cr) || !GetWindowRect(wnd, &wr) || !ClientToScreen(wnd, &origin)) return;
  const TPoint offset{rect.Left + origin.x - wr.left, rect.Top + origin.y - wr.top};
  const TRect client = Rect(0, 0, cr.right, cr.bottom);
  RECT display = cr;
  SendMessageW(wnd, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
  const TRect page = TabPageRect(side_, Rect(display.left, display.top, display.right, display.bottom));
  const TRect strip = TabStripRect(side_, client, page);
  const TPoint size = TabStripBufferSize(side_, strip);
  if (size.X > 0 && size.Y > 0) {
    lying_.SetSize(size.X, size.Y);
    ComposeStrip(strip, wnd);
    const TBitmap* shown = &lying_;
    if (side_ == tsLeft || side_ == tsRight) {
      TurnTabStrip(side_, lying_, standing_);
      shown = &standing_;
    }
    const HWND upDown = FindWindowExW(wnd, nullptr, UPDOWN_CLASSW, nullptr);
    BlitAroundUpDown(dc, Rect(strip.Left + offset.X, strip.Top + offset.Y, 0, 0), *shown, upDown, offset);
  }
  if (!images_.Border.Empty()) {
    // Only the frame's edges: the page inside stays as the control painted it.
    const TRect at{page.Left + offset.X, page.Top + offset.Y, page.Right + offset.X, page.Bottom + offset.Y};
    DrawSkinBorder(dc, at, images_.Border, false, 1, 1, TabBorderMargins(side_));
  }
}

}  // namespace pelorin
