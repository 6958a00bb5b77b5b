// Owner-drawn menu items from the skin's MenuItem image and colours.
#define OEMRESOURCE
#include "menus/win/MenuItemPaint.h"

#include "host/win/Graphics.h"
#include "host/win/Menus.h"
#include "host/win/platform/WideText.h"
#include "menus/MenuItemLayout.h"
#include "paint/DrawElement.h"
#include "paint/PaintTypes.h"
#include "paint/PieceBlit.h"
#include "paint/win/DibBlit.h"
#include "paint/win/GdiHandles.h"
#include "skinbase/win/WinGeometry.h"
#include "skinmodel/SkinModel.h"

namespace pelorin {

namespace {
TRect FromRECT(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

// Splits "caption<TAB>shortcut" as native menus hold them.
void SplitAtTab(const std::string& text, std::string& caption, std::string& shortcut) {
  const size_t tab = text.find('\t');
  caption = text.substr(0, tab);
  shortcut = tab == std::string::npos ? std::string() : text.substr(tab + 1);
}

// The checked look behind an item image: button face and highlight dots.
void FillCheckedPattern(TBitmap& target, const TRect& box) {
  GdiFlush();
  const uint32_t face = PixelFromColor(ColorToRGB(clBtnFace));
  const uint32_t light = PixelFromColor(ColorToRGB(clBtnHighlight));
  const TRect c = IntersectRect(box, target.BoundsRect());
  for (int y = c.Top; y < c.Bottom; ++y)
    for (int x = c.Left; x < c.Right; ++x) target.ScanLine(y)[x] = ((x + y) & 1) ? light : face;
}

// The system check mark in colour, its background left out.
void DrawCheckMark(HDC dc, const TRect& box, TColor color) {
  HBITMAP check = LoadBitmapW(nullptr, MAKEINTRESOURCEW(OBM_CHECK));
  if (!check) return;
  BITMAP bm{};
  GetObjectW(check, sizeof bm, &bm);
  TMemoryDC mem(dc);
  HGDIOBJ oldBitmap = SelectObject(mem.Get(), check);
  TDCStateGuard guard(dc);
  HBRUSH brush = CreateSolidBrush(ToColorRef(color));
  SelectObject(dc, brush);
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkColor(dc, RGB(255, 255, 255));
  // Centred in the box moved one pixel right and down.
  const int x = box.Left + 1 + (box.Width() - bm.bmWidth) / 2;
  const int y = box.Top + 1 + (box.Height() - bm.bmHeight) / 2;
  // White source pixels keep the destination, black ones take the brush.
  BitBlt(dc, x, y, bm.bmWidth, bm.bmHeight, mem.Get(), 0, 0, 0x00B8074A);
  SelectObject(dc, GetStockObject(WHITE_BRUSH));
  DeleteObject(brush);
  SelectObject(mem.Get(), oldBitmap);
  DeleteObject(check);
}
}  // namespace

bool TMenuItemView::HasImage() const { return Images && ImageIndex >= 0 && ImageIndex < Images->Count(); }

TMenuItemView ViewOfMenuItem(TMenuItem& item) {
  TMenuItemView v;
  v.Caption = item.Caption();
  if (item.ShortCut()) v.ShortCut = ShortCutToText(item.ShortCut());
  v.Enabled = item.Enabled();
  v.Checked = item.Checked();
  v.Default = item.Default();
  TMenu* menu = item.GetParentMenu();
  if (menu) v.Images = menu->Images();
  v.ImageIndex = item.ImageIndex();
  if (auto* popup = dynamic_cast<TPopupMenu*>(menu)) {
    switch (popup->Alignment()) {
      case paRight: v.Alignment = DT_RIGHT; break;
      case paCenter: v.Alignment = DT_CENTER; break;
      default: v.Alignment = DT_LEFT; break;
    }
  }
  return v;
}

TMenuItemView ViewOfNativeItem(HMENU menu, UINT command) {
  TMenuItemView v;
  wchar_t buffer[80] = {};
  GetMenuStringW(menu, command, buffer, 80, MF_BYCOMMAND);
  SplitAtTab(WideToUtf8(buffer), v.Caption, v.ShortCut);
  MENUITEMINFOW mii{};
  mii.cbSize = sizeof mii;
  mii.fMask = MIIM_STATE | MIIM_FTYPE;
  if (GetMenuItemInfoW(menu, command, FALSE, &mii)) {
    v.Enabled = (mii.fState & (MFS_GRAYED | MFS_DISABLED)) == 0;
    v.Checked = (mii.fState & MFS_CHECKED) != 0;
    v.Default = (mii.fState & MFS_DEFAULT) != 0;
    v.RightToLeft = (mii.fType & MFT_RIGHTORDER) != 0;
    if (mii.fType & MFT_SEPARATOR) v.Caption.clear();
  }
  if (v.Caption.empty()) v.Caption.assign(1, '-');
  return v;
}

void DrawMenuItemText(const TMenuItemView& item, TCanvas& canvas, UINT flags, bool selected, TRect& r,
                      const TSkinColors& colors, const std::string& text) {
  if (item.RightToLeft) flags |= DT_RIGHT | DT_RTLREADING;
  const bool measuring = (flags & DT_CALCRECT) != 0;
  HDC dc = canvas.Handle();
  if (item.IsLine() && !measuring) {
    RECT line = ToRECT(r.Offset(0, 4));
    DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
    return;
  }
  std::wstring wide = Utf8ToWide(measuring && (text.empty() || text == "&") ? std::string(" ") : text);
  TFont& font = canvas.Font();
  const TFontStyles style = font.Style();
  font.SetStyle(item.Default ? (style | fsBold) : (style & ~fsBold));
  {
    TDCStateGuard guard(dc);
    SelectObject(dc, font.Handle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ToColorRef(MenuItemTextColor(colors, selected, item.Enabled)));
    RECT rc = ToRECT(r);
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &rc, flags);
    if (measuring) r = FromRECT(rc);
  }
  font.SetStyle(style);
}

namespace {
// The content; target, when given, is the bitmap under the canvas (pixel fills).
void DrawContent(const TMenuItemView& item, TCanvas& canvas, const TRect& r, bool selected,
                 const TSkinColors& colors, TBitmap* target) {
  const TMenuItemBoxes boxes = MenuItemBoxes(r, item.IsLine());
  if (item.IsLine()) {
    // Across the whole text box, not just the width "-" measures.
    TRect line = boxes.Text;
    DrawMenuItemText(item, canvas, DT_SINGLELINE, selected, line, colors, item.Caption);
    return;
  }
  HDC dc = canvas.Handle();
  if (item.HasImage()) {
    if (item.Checked) {
      if (target) FillCheckedPattern(*target, boxes.Glyph);
      RECT box = ToRECT(boxes.Glyph);
      DrawEdge(dc, &box, BDR_SUNKENOUTER, BF_RECT);
    }
    item.Images->Draw(canvas, boxes.Glyph.Left, boxes.Glyph.Top, item.ImageIndex, item.Enabled);
  } else if (item.Checked) {
    DrawCheckMark(dc, boxes.Glyph, clBtnText);
  }
  const UINT flags = item.Alignment | DT_SINGLELINE | DT_EXPANDTABS;
  TRect measured = boxes.Text;
  DrawMenuItemText(item, canvas, flags | DT_CALCRECT | DT_NOCLIP, selected, measured, colors, item.Caption);
  TRect caption = CentreMenuText(measured, boxes.Text, r);
  TRect drawn{caption.Left, caption.Top, item.Alignment == DT_LEFT ? caption.Right : boxes.Text.Right,
              caption.Bottom};
  DrawMenuItemText(item, canvas, flags, selected, drawn, colors, item.Caption);
  if (!item.ShortCut.empty()) {
    TRect sc = MenuShortcutRect(caption, r);
    DrawMenuItemText(item, canvas, DT_RIGHT | DT_SINGLELINE | DT_EXPANDTABS, selected, sc, colors, item.ShortCut);
  }
}

}  // namespace

void DrawMenuItemContent(const TMenuItemView& item, TCanvas& canvas, const TRect& r, bool selected,
                         const TSkinColors& colors) {
  DrawContent(item, canvas, r, selected, colors, nullptr);
}

void DrawMenuSeparator(TBitmap& target, const TRect& r, const TDataSkinObject& menuItem) {
  const TSliceList pieces = MenuSeparatorPieces(menuItem, r.Width(), r.Height());
  if (pieces.empty()) return;
  const uint32_t key = PixelFromColor(TransparentKeyColour);
  TBitmap scratch(r.Width(), r.Height());
  for (int y = 0; y < scratch.Height(); ++y) std::fill(scratch.ScanLine(y), scratch.ScanLine(y) + scratch.Width(), key);
  PaintPieces(scratch, 0, 0, scratch.BoundsRect(), menuItem.Bitmap, pieces);
  CopyPixelsKeyed(target, r.Left, r.Top, scratch, scratch.BoundsRect(), key);
}

namespace {
// Composes the item in a bitmap of r's size, then one blit to the canvas.
template <class Compose>
void ComposeAndBlit(TCanvas& canvas, const TRect& r, Compose compose) {
  if (r.IsEmpty() || !IsPaintableRect(r) || r.Width() > TBitmap::MaxSide || r.Height() > TBitmap::MaxSide) return;
  TBitmap work(r.Width(), r.Height());
  TBitmapCanvas wc(work);
  wc.Font().Assign(canvas.Font());
  compose(work, wc, TRect{0, 0, r.Width(), r.Height()});
  GdiFlush();
  BlitOpaque(canvas.Handle(), r.Left, r.Top, work);
}
}  // namespace

void DrawMenuItemPlain(const TMenuItemView& item, TCanvas& canvas, const TRect& r, bool selected,
                       const TSkinColors& colors) {
  ComposeAndBlit(canvas, r, [&](TBitmap& work, TCanvas& wc, const TRect& local) {
    work.Fill(selected ? colors[csHilight] : colors[csButtonFace]);
    DrawContent(item, wc, local, selected, colors, &work);
  });
}

void DrawSkinMenuItemView(const TMenuItemView& item, TCanvas& canvas, const TRect& r, bool selected,
                          const TSkinModel& skin, const TBitmap* popupBackground) {
  const TDataSkinObject* menuItem = skin.MenuItem.get();
  if (!menuItem || menuItem->Bitmap.Empty()) {
    DrawMenuItemPlain(item, canvas, r, selected, skin.colors);
    return;
  }
  ComposeAndBlit(canvas, r, [&](TBitmap& work, TCanvas& wc, const TRect& local) {
    if (popupBackground && !popupBackground->Empty()) {
      work.Fill(skin.colors[csMenu]);  // parts the frame image does not reach
      CopyPixels(work, 0, 0, *popupBackground, r.Offset(3, 3));
    } else {
      work.Fill(skin.colors[csMenu]);
    }
    if (item.IsLine()) {
      DrawMenuSeparator(work, local, *menuItem);
      return;
    }
    DrawElement(work, local, *menuItem, MenuItemFrame(selected));
    DrawContent(item, wc, local, selected, skin.colors, &work);
  });
}

}  // namespace pelorin
