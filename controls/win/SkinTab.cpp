// TSkinTab: preparing the images and painting the strip and the page frame.
#include "controls/win/SkinTab.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "controls/win/IconCaption.h"
#include "host/win/Graphics.h"
#include "paint/PieceBlit.h"
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
  if (!Attached() || Owner().RepaintsAll()) return;
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

bool TSkinTab::PaintsWhole() const {
  return Attached() && SkinHasTabs(SkinData()) && !images_.Tab.Empty() && !images_.Border.Empty();
}

bool TSkinTab::BeforeMessage(TMessage& m) {
  if (!LeavesTabs(m.Msg)) dirty_ = true;
  // With a page frame in the skin every pixel of the control is the skin's:
  // the control's own paint is left out, so it never shows for a moment.
  if (!PaintsWhole()) return true;
  if (m.Msg == WM_ERASEBKGND) {
    m.Result = 1;
    return false;
  }
  if (m.Msg != WM_PAINT) return true;
  PAINTSTRUCT ps{};
  HDC dc = reinterpret_cast<HDC>(m.WParam);
  const bool began = dc == nullptr;
  if (began) dc = BeginPaint(Handle(), &ps);
  if (dc && Refresh()) {
    BlitAroundUpDown(dc, {0, 0});
    FillRest(dc);
  }
  if (began) EndPaint(Handle(), &ps);
  m.Result = 0;
  return false;
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
  for (const TTabDraw& t : tabs) DrawTab(lying_, t.At, images_, tab, t.Frame);

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

void TSkinTab::BlitAroundUpDown(HDC dc, TPoint at) {
  auto* source = static_cast<HDC>(whole_.DC());
  if (!source) return;
  for (const TRect& p : pieces_)
    BitBlt(dc, at.X + p.Left, at.Y + p.Top, p.Width(), p.Height(), source, p.Left, p.Top, SRCCOPY);
}

void TSkinTab::FillRest(HDC dc) {
  // The stock DC brush: no brush object made per paint.
  const COLORREF old = SetDCBrushColor(dc, ToColorRef(SkinData()->colors[csButtonFace]));
  for (const TRect& f : fills_) {
    const RECT r{f.Left, f.Top, f.Right, f.Bottom};
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  }
  SetDCBrushColor(dc, old);
}

void TSkinTab::Compose(HWND wnd, TPoint client) {
  GdiFlush();  // blits from the last composition may still be queued
  RECT display{0, 0, client.X, client.Y};
  SendMessageW(wnd, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
  const TRect clientRect = Rect(0, 0, client.X, client.Y);
  page_ = TabPageRect(side_, Rect(display.left, display.top, display.right, display.bottom));
  strip_ = TabStripRect(side_, clientRect, page_);
  const TPoint size = TabStripBufferSize(side_, strip_);
  // Strip and frame are composed in one client-sized picture, so that a
  // repaint is a few blits out of one source.
  whole_.SetSize(client.X, client.Y);
  lying_.SetSize(size.X, size.Y);
  if (!lying_.Empty() && !whole_.Empty()) {
    ComposeStrip(wnd);
    const bool standing = side_ == tsLeft || side_ == tsRight;
    if (standing) TurnTabStrip(side_, lying_, standing_);
    const TBitmap& shown = standing ? standing_ : lying_;
    CopyPixels(whole_, strip_.Left, strip_.Top, shown, shown.BoundsRect());
  }
  const TRect margins = TabBorderMargins(side_);
  if (!images_.Border.Empty() && page_.Right > page_.Left && page_.Bottom > page_.Top && !whole_.Empty()) {
    frame_.SetSize(page_.Width(), page_.Height());
    DrawSkinBorder(frame_, frame_.BoundsRect(), images_.Border, false, 1, 1, margins);
    // Only the frame's edges: the page inside is filled or left to the control.
    for (const TRect& e : TabBlitPieces(clientRect, {}, page_, margins, {}))
      CopyPixels(whole_, e.Left, e.Top, frame_, {e.Left - page_.Left, e.Top - page_.Top, e.Right - page_.Left,
                                                 e.Bottom - page_.Top});
    fills_ = TabFillRects(clientRect, strip_, page_, margins);
  } else {
    frame_.Clear();
    fills_.clear();
  }
  // The control's scroll arrows are a window of their own: kept out of the
  // blits, they stay visible.
  TRect arrows{};
  const HWND upDown = FindWindowExW(wnd, nullptr, UPDOWN_CLASSW, nullptr);
  RECT ur;
  if (upDown && IsWindowVisible(upDown) && GetWindowRect(upDown, &ur)) {
    MapWindowPoints(nullptr, wnd, reinterpret_cast<POINT*>(&ur), 2);
    arrows = Rect(ur.left, ur.top, ur.right, ur.bottom);
  }
  // Without a frame image only the strip is the skin's.
  pieces_ = TabBlitPieces(clientRect, lying_.Empty() ? TRect{} : strip_, frame_.Empty() ? TRect{} : page_, margins,
                          arrows);
  dirty_ = false;
}

bool TSkinTab::Refresh() {
  const HWND wnd = Handle();
  if (!wnd || !SkinHasTabs(SkinData()) || images_.Tab.Empty()) return false;
  // Any message that may change the size, the state or the tabs marked the
  // composition stale; until then the window need not be asked anything.
  if (!dirty_) return true;
  RefreshFacts();
  RECT cr, wr;
  POINT origin{0, 0};
  if (!GetClientRect(wnd, &cr) || !GetWindowRect(wnd, &wr) || !ClientToScreen(wnd, &origin)) return false;
  clientInWindow_ = {origin.x - wr.left, origin.y - wr.top};
  Compose(wnd, {cr.right, cr.bottom});
  return true;
}

void TSkinTab::Paint(HDC dc, const TRect& rect) {
  // Rect is the whole window; the composition is in client coordinates.
  if (Refresh()) BlitAroundUpDown(dc, {rect.Left + clientInWindow_.X, rect.Top + clientInWindow_.Y});
}

}  // namespace pelorin
