// TSkinTab: preparing the images and painting the strip and the page frame.
#include "controls/win/SkinTab.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "controls/win/IconCaption.h"
#include "host/win/Graphics.h"
#include "paint/SkinPaint.h"
#include "skinmodel/WinSkinData.h"

namespace pelorin {

namespace {
constexpr int CaptionChars = 260;

struct TTabDraw {
  TRect At;
  int Frame;
  int Image;
  std::wstring Text;
};
}  // namespace

bool TSkinTab::SkinHasTabs(const TSkinData* skin) {
  return skin && !skin->Empty && skin->Tab && !skin->Tab->Bitmap.Empty();
}

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
  PrepareTabImages(side_, SkinHasTabs(skin) ? skin->Tab.get() : nullptr, images_);
}

void TSkinTab::ApplySkinChange(TSkinData* skinData) {
  SetSkinDataOnly(skinData);
  PrepareImages();
  dirty_ = true;
  if (!Attached()) return;
  // Erased too: a skin without tab images leaves the system look, which
  // paints only its tabs over the background.
  RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
}

namespace {
// Messages that leave the tabs as they are.
bool LeavesTabs(UINT msg) {
  switch (msg) {
    case WM_PAINT: case WM_ERASEBKGND: case WM_NCPAINT: case WM_PRINTCLIENT: case WM_NCHITTEST: case WM_SETCURSOR:
    case WM_MOUSEMOVE: case WM_TIMER: case WM_GETFONT: case WM_GETTEXT: case WM_GETTEXTLENGTH: case WM_GETDLGCODE:
    case WM_NOTIFYFORMAT: case WM_QUERYUISTATE: case TCM_ADJUSTRECT:
    case TCM_GETITEMCOUNT: case TCM_GETCURSEL: case TCM_GETITEMRECT: case TCM_GETITEMA: case TCM_GETITEMW:
    case TCM_GETIMAGELIST: case TCM_GETROWCOUNT: case TCM_GETCURFOCUS: case TCM_GETTOOLTIPS:
    case TCM_GETEXTENDEDSTYLE: case TCM_GETUNICODEFORMAT: case TCM_HITTEST:
      return true;
    default:
      return false;
  }
}
}  // namespace

bool TSkinTab::BeforeMessage(TMessage& m) {
  if (!LeavesTabs(m.Msg)) dirty_ = true;
  return true;
}

void TSkinTab::AfterMessage(TMessage& m) {
  if (m.Msg == WM_STYLECHANGED && m.WParam == static_cast<WPARAM>(GWL_STYLE) && OrientationFromStyle() != side_) {
    PrepareImages();
    InvalidateNow();
    return;
  }
  TSkinControl::AfterMessage(m);
}

void TSkinTab::ComposeStrip(HWND wnd) {
  const TRect& strip = strip_;
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

void TSkinTab::BlitAroundUpDown(HDC dc, TPoint at, const TBitmap& strip, TPoint clientOrigin) {
  RECT ur;
  const bool clip = upDown_ && IsWindowVisible(upDown_) && GetWindowRect(upDown_, &ur);
  if (clip) {
    // The arrows are a child window: kept out of the blit, they stay visible.
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&ur), 2);
    SaveDC(dc);
    ExcludeClipRect(dc, ur.left + clientOrigin.X, ur.top + clientOrigin.Y, ur.right + clientOrigin.X,
                    ur.bottom + clientOrigin.Y);
  }
  BitBlt(dc, at.X, at.Y, strip.Width(), strip.Height(), static_cast<HDC>(strip.DC()), 0, 0, SRCCOPY);
  if (clip) RestoreDC(dc, -1);
}

void TSkinTab::BlitPageFrame(HDC dc, TPoint at) {
  // Only the frame's edges: the page inside stays as the control painted it.
  auto* source = static_cast<HDC>(frame_.DC());
  if (!source) return;
  const int w = frame_.Width(), h = frame_.Height();
  const TRect m = TabBorderMargins(side_);
  const int top = std::min(m.Top, h), bottom = std::max(h - m.Bottom, top);
  const int left = std::min(m.Left, w), right = std::max(w - m.Right, left);
  const TRect bands[] = {{0, 0, w, top}, {0, bottom, w, h}, {0, top, left, bottom}, {right, top, w, bottom}};
  for (const TRect& b : bands)
    if (b.Right > b.Left && b.Bottom > b.Top)
      BitBlt(dc, at.X + b.Left, at.Y + b.Top, b.Width(), b.Height(), source, b.Left, b.Top, SRCCOPY);
}

void TSkinTab::Compose(HWND wnd, TPoint client) {
  GdiFlush();  // blits from the last composition may still be queued
  RECT display{0, 0, client.X, client.Y};
  SendMessageW(wnd, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
  page_ = TabPageRect(side_, Rect(display.left, display.top, display.right, display.bottom));
  strip_ = TabStripRect(side_, Rect(0, 0, client.X, client.Y), page_);
  const TPoint size = TabStripBufferSize(side_, strip_);
  lying_.SetSize(size.X, size.Y);
  if (!lying_.Empty()) {
    ComposeStrip(wnd);
    if (side_ == tsLeft || side_ == tsRight) TurnTabStrip(side_, lying_, standing_);
  }
  upDown_ = FindWindowExW(wnd, nullptr, UPDOWN_CLASSW, nullptr);
  frame_.Clear();
  if (!images_.Border.Empty() && page_.Right > page_.Left && page_.Bottom > page_.Top) {
    frame_.SetSize(page_.Width(), page_.Height());
    DrawSkinBorder(frame_, frame_.BoundsRect(), images_.Border, false, 1, 1, TabBorderMargins(side_));
  }
  client_ = client;
  enabledDrawn_ = Enabled();
  dirty_ = false;
}

void TSkinTab::Paint(HDC dc, const TRect& rect) {
  const HWND wnd = Handle();
  if (!SkinHasTabs(SkinData()) || images_.Tab.Empty() || !wnd) return;
  RefreshFacts();
  // Rect is the whole window; the control's rectangles are client ones.
  RECT cr, wr;
  POINT origin{0, 0};
  if (!GetClientRect(wnd, &cr) || !GetWindowRect(wnd, &wr) || !ClientToScreen(wnd, &origin)) return;
  const TPoint offset{rect.Left + origin.x - wr.left, rect.Top + origin.y - wr.top};
  const TPoint client{cr.right, cr.bottom};
  if (dirty_ || client.X != client_.X || client.Y != client_.Y || Enabled() != enabledDrawn_) Compose(wnd, client);
  if (!lying_.Empty()) {
    const TBitmap& shown = side_ == tsLeft || side_ == tsRight ? standing_ : lying_;
    BlitAroundUpDown(dc, {strip_.Left + offset.X, strip_.Top + offset.Y}, shown, offset);
  }
  if (!frame_.Empty()) BlitPageFrame(dc, {page_.Left + offset.X, page_.Top + offset.Y});
}

}  // namespace pelorin
