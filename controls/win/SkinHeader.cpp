// TSkinHeader: header items composed off screen over the skin's header image.
#include "controls/win/SkinHeader.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "controls/HeaderLayout.h"
#include "controls/win/IconCaption.h"
#include "host/win/Graphics.h"
#include "paint/DrawElement.h"
#include "skinmodel/WinSkinData.h"

namespace pelorin {

namespace {
constexpr int TextChars = 260;
constexpr UINT TextFormat = DT_SINGLELINE | DT_EXPANDTABS | DT_NOPREFIX;

const TDataSkinObject* HeaderImage(const TSkinData* skin) {
  return skin && !skin->Empty && skin->HeaderBar && !skin->HeaderBar->Bitmap.Empty() ? skin->HeaderBar.get()
                                                                                      : nullptr;
}

TPoint BitmapSize(HBITMAP bitmap) {
  BITMAP bm{};
  if (!bitmap || !GetObjectW(bitmap, sizeof bm, &bm)) return {0, 0};
  return {bm.bmWidth, std::abs(bm.bmHeight)};
}
}  // namespace

struct TSkinHeader::TItem {
  TRect At;
  std::wstring Text;
  uint32_t Format = 0;
  int Image = -1;
  HBITMAP Bitmap = nullptr;
};

namespace {
// Messages that leave the items as they are. A divider drag changes widths
// on mouse moves, so those count as changes.
bool LeavesItems(UINT msg) {
  switch (msg) {
    case WM_PAINT: case WM_ERASEBKGND: case WM_NCPAINT: case WM_PRINTCLIENT: case WM_NCHITTEST: case WM_SETCURSOR:
    case WM_TIMER: case WM_GETFONT: case WM_GETTEXT: case WM_GETTEXTLENGTH: case WM_NOTIFYFORMAT:
    case HDM_GETITEMCOUNT: case HDM_GETITEMRECT: case HDM_GETITEMA: case HDM_GETITEMW: case HDM_GETIMAGELIST:
    case HDM_HITTEST: case HDM_GETORDERARRAY: case HDM_GETUNICODEFORMAT: case HDM_GETBITMAPMARGIN:
      return true;
    default:
      return false;
  }
}
}  // namespace

void TSkinHeader::ApplySkinChange(TSkinData* skinData) {
  dirty_ = true;
  TSkinControl::ApplySkinChange(skinData);
}

bool TSkinHeader::BeforeMessage(TMessage& m) {
  if (!LeavesItems(m.Msg)) dirty_ = true;
  // The items cover everything: an erase would only flicker.
  if (m.Msg == WM_ERASEBKGND && HeaderImage(SkinData())) {
    m.Result = 1;
    return false;
  }
  return true;
}

void TSkinHeader::DrawHeaderItem(HWND wnd, const TRect& at, int index, TItem& item) {
  wchar_t text[TextChars];
  text[0] = L'\0';
  HDITEMW hd{};
  hd.mask = HDI_TEXT | HDI_FORMAT | HDI_IMAGE | HDI_BITMAP;
  hd.pszText = text;
  hd.cchTextMax = TextChars;
  item.At = at;
  if (SendMessageW(wnd, HDM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&hd))) {
    text[TextChars - 1] = L'\0';
    item.Text = hd.pszText ? hd.pszText : L"";
    item.Format = static_cast<uint32_t>(hd.fmt);
    item.Image = (hd.fmt & HDF_IMAGE) ? hd.iImage : -1;
    item.Bitmap = (hd.fmt & HDF_BITMAP) ? hd.hbm : nullptr;
  }
  DrawElement(work_, at, *HeaderImage(SkinData()), 1);
}

void TSkinHeader::DrawItemFace(const TItem& item, HDC dc, HIMAGELIST images) {
  const bool listIcon = images && item.Image >= 0 && item.Image < ImageList_GetImageCount(images);
  const TPoint icon = listIcon ? ImageListIconSize(images) : BitmapSize(item.Bitmap);
  TPoint textSize{0, 0};
  if (!item.Text.empty()) {
    RECT r{item.At.Left, item.At.Top, item.At.Right, item.At.Bottom};
    DrawTextW(dc, item.Text.c_str(), static_cast<int>(item.Text.size()), &r, TextFormat | DT_CALCRECT);
    textSize = {r.right - r.left, r.bottom - r.top};
  }
  const THeaderItemPlace place = PlaceHeaderItem(item.At, item.Format, icon, textSize);
  // Nothing of an item reaches into its neighbour.
  SaveDC(dc);
  IntersectClipRect(dc, item.At.Left, item.At.Top, item.At.Right, item.At.Bottom);
  if (listIcon) {
    ImageList_Draw(images, item.Image, dc, place.Parts.Icon.X, place.Parts.Icon.Y, ILD_TRANSPARENT);
  } else if (icon.X > 0) {
    HDC source = CreateCompatibleDC(dc);
    if (source) {
      HGDIOBJ old = SelectObject(source, item.Bitmap);
      BitBlt(dc, place.Parts.Icon.X, place.Parts.Icon.Y, icon.X, icon.Y, source, 0, 0, SRCCOPY);
      SelectObject(source, old);
      DeleteDC(source);
    }
  }
  if (!item.Text.empty()) {
    RECT r{place.Parts.Text.Left, place.Parts.Text.Top, place.Parts.Text.Right, place.Parts.Text.Bottom};
    DrawTextW(dc, item.Text.c_str(), static_cast<int>(item.Text.size()), &r, TextFormat | DT_END_ELLIPSIS);
  }
  RestoreDC(dc, -1);
}

void TSkinHeader::Paint(HDC dc, const TRect& rect) {
  const TDataSkinObject* image = HeaderImage(SkinData());
  const HWND wnd = Handle();
  if (!image || !wnd) return;
  RefreshFacts();
  RECT cr, wr;
  POINT origin{0, 0};
  if (!GetClientRect(wnd, &cr) || !GetWindowRect(wnd, &wr) || !ClientToScreen(wnd, &origin)) return;
  if (cr.right <= 0 || cr.bottom <= 0) return;
  const TPoint at{rect.Left + origin.x - wr.left, rect.Top + origin.y - wr.top};
  // Asking the control again costs more than the paint (each message passes
  // the window's subclass chain): unchanged items are blitted as composed.
  if (!dirty_ && work_.Width() == cr.right && work_.Height() == cr.bottom && enabledDrawn_ == Enabled()) {
    BitBlt(dc, at.X, at.Y, cr.right, cr.bottom, static_cast<HDC>(work_.DC()), 0, 0, SRCCOPY);
    return;
  }
  Compose(wnd, *image, cr.right, cr.bottom);
  BitBlt(dc, at.X, at.Y, cr.right, cr.bottom, static_cast<HDC>(work_.DC()), 0, 0, SRCCOPY);
}

void TSkinHeader::Compose(HWND wnd, const TDataSkinObject& image, int width, int height) {
  const RECT cr{0, 0, width, height};
  work_.SetSize(cr.right, cr.bottom);
  GdiFlush();  // the last paint's text may still be queued on work_
  const int count = static_cast<int>(SendMessageW(wnd, HDM_GETITEMCOUNT, 0, 0));
  std::vector<TItem> items;
  int maxRight = 0;
  for (int i = 0; i < count; ++i) {
    RECT ir;
    if (!SendMessageW(wnd, HDM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&ir))) continue;
    maxRight = std::max(maxRight, static_cast<int>(ir.right));
    if (ir.right <= ir.left || ir.left >= cr.right) continue;  // hidden or scrolled away
    DrawHeaderItem(wnd, Rect(ir.left, 0, ir.right, cr.bottom), i, items.emplace_back());
  }
  if (cr.right > maxRight) DrawElement(work_, Rect(maxRight, 0, cr.right, cr.bottom), image, 1);

  HDC wdc = static_cast<HDC>(work_.DC());
  if (!wdc) return;
  auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(wnd, WM_GETFONT, 0, 0));
  HGDIOBJ oldFont = SelectObject(wdc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(wdc, TRANSPARENT);
  SetTextColor(wdc, Enabled() ? ToColorRef(image.NormalColour) : GetSysColor(COLOR_BTNSHADOW));
  const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(wnd, HDM_GETIMAGELIST, 0, 0));
  for (const TItem& item : items) DrawItemFace(item, wdc, images);
  SelectObject(wdc, oldFont);
  enabledDrawn_ = Enabled();
  dirty_ = false;
}

bool AttachHeaderWindow(TControlSkinnerHost& host, HWND header, TSkinData* skinData) {
  wchar_t name[32] = {};
  if (!header || !GetClassNameW(header, name, 32) || lstrcmpiW(name, WC_HEADERW) != 0) return false;
  auto skinner = std::make_unique<TSkinHeader>(host);
  if (!skinner->AttachWindow(header, skinData)) return false;
  host.AdoptControlSkinner(std::move(skinner));
  return true;
}

}  // namespace pelorin
