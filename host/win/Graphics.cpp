// TFont, TBrush, TPen and TCanvas on GDI.
#include "host/win/Graphics.h"

#include <cstring>
#include <optional>

#include "host/win/platform/GdiCounters.h"
#include "host/win/platform/WideText.h"

namespace pelorin {

void TGraphicsObject::Changed() {
  FreeHandle();
  if (OnChange) OnChange();
}

void TGraphicsObject::FreeHandle() {
  if (!handle_) return;
  DeleteObject(handle_);
  GdiCounters::Deleted();
  handle_ = nullptr;
}

// --- TFont ---

TFont::TFont() = default;

void TFont::Assign(const TPersistent& source) {
  if (auto* f = dynamic_cast<const TFont*>(&source)) {
    name_ = f->name_;
    height_ = f->height_;
    color_ = f->color_;
    style_ = f->style_;
    charset_ = f->charset_;
    Changed();
    return;
  }
  TPersistent::Assign(source);
}

LOGFONTW TFont::LogFont() const {
  LOGFONTW lf{};
  lf.lfHeight = height_;
  lf.lfWeight = (style_ & fsBold) ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = (style_ & fsItalic) ? 1 : 0;
  lf.lfUnderline = (style_ & fsUnderline) ? 1 : 0;
  lf.lfStrikeOut = (style_ & fsStrikeOut) ? 1 : 0;
  lf.lfCharSet = static_cast<BYTE>(charset_);
  lf.lfQuality = DEFAULT_QUALITY;
  const std::wstring face = Utf8ToWide(name_);
  // Longer face names are cut to what LOGFONT holds (31 characters and NUL).
  wcsncpy(lf.lfFaceName, face.c_str(), LF_FACESIZE - 1);
  return lf;
}

void TFont::SetLogFont(const LOGFONTW& lf) {
  wchar_t face[LF_FACESIZE + 1]{};
  std::memcpy(face, lf.lfFaceName, sizeof lf.lfFaceName);  // may lack its NUL
  name_ = WideToUtf8(face);
  height_ = lf.lfHeight;
  style_ = (lf.lfWeight >= FW_BOLD ? fsBold : 0u) | (lf.lfItalic ? fsItalic : 0u) |
           (lf.lfUnderline ? fsUnderline : 0u) | (lf.lfStrikeOut ? fsStrikeOut : 0u);
  charset_ = lf.lfCharSet;
  Changed();
}

HFONT TFont::Handle() {
  if (!handle_) {
    const LOGFONTW lf = LogFont();
    handle_ = CreateFontIndirectW(&lf);
    if (handle_) GdiCounters::Created();
  }
  return static_cast<HFONT>(handle_);
}

void TFont::SetName(const std::string& name) {
  if (name == name_) return;
  name_ = name;
  Changed();
}
void TFont::SetHeight(int height) {
  if (height == height_) return;
  height_ = height;
  Changed();
}
int TFont::Size() const { return -MulDiv(height_, 72, PixelsPerInch); }
void TFont::SetSize(int points) { SetHeight(-MulDiv(points, PixelsPerInch, 72)); }
void TFont::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  if (OnChange) OnChange();  // the handle does not depend on the colour
}
void TFont::SetStyle(TFontStyles style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}
void TFont::SetCharset(int charset) {
  if (charset == charset_) return;
  charset_ = charset;
  Changed();
}

// --- TBrush, TPen ---

void TBrush::Assign(const TPersistent& source) {
  if (auto* b = dynamic_cast<const TBrush*>(&source)) {
    color_ = b->color_;
    style_ = b->style_;
    Changed();
    return;
  }
  TPersistent::Assign(source);
}
HBRUSH TBrush::Handle() {
  if (style_ == bsClear) return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  if (!handle_) {
    handle_ = CreateSolidBrush(ToColorRef(color_));
    if (handle_) GdiCounters::Created();
  }
  return static_cast<HBRUSH>(handle_);
}
void TBrush::SetColor(TColor color) {
  if (color == color_ && style_ == bsSolid) return;
  color_ = color;
  style_ = bsSolid;  // choosing a colour makes a clear brush solid again
  Changed();
}
void TBrush::SetStyle(TBrushStyle style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}

void TPen::Assign(const TPersistent& source) {
  if (auto* p = dynamic_cast<const TPen*>(&source)) {
    color_ = p->color_;
    width_ = p->width_;
    style_ = p->style_;
    Changed();
    return;
  }
  TPersistent::Assign(source);
}
HPEN TPen::Handle() {
  if (!handle_) {
    static constexpr int styles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL};
    handle_ = CreatePen(styles[style_], width_, ToColorRef(color_));
    if (handle_) GdiCounters::Created();
  }
  return static_cast<HPEN>(handle_);
}
void TPen::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Changed();
}
void TPen::SetWidth(int width) {
  if (width < 0) width = 0;
  if (width == width_) return;
  width_ = width;
  Changed();
}
void TPen::SetStyle(TPenStyle style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}

// --- TCanvas ---

namespace {

// Selects the canvas tools an operation needs for its span.
class TToolSelection {
public:
  TToolSelection(HDC dc, HGDIOBJ a, HGDIOBJ b = nullptr) : guard_(dc) {
    if (a) SelectObject(dc, a);
    if (b) SelectObject(dc, b);
  }

private:
  TDCStateGuard guard_;
};

// A DC holding a bitmap's pixels: its own memory DC, or a temporary DIB
// section copy for pixels kept in plain memory.
class TSourceDC {
public:
  explicit TSourceDC(const TBitmap& bitmap) {
    dc_ = static_cast<HDC>(bitmap.DC());
    if (dc_) return;
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = bitmap.Width();
    bi.bmiHeader.biHeight = -bitmap.Height();
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    own_ = CreateCompatibleDC(nullptr);
    section_ = CreateDIBSection(own_, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!own_ || !section_) return;
    GdiCounters::Created(2);
    std::memcpy(bits, bitmap.Bits(), size_t(bitmap.Width()) * bitmap.Height() * 4);
    old_ = SelectObject(own_, section_);
    dc_ = own_;
  }
  TSourceDC(const TSourceDC&) = delete;
  TSourceDC& operator=(const TSourceDC&) = delete;
  ~TSourceDC() {
    if (old_) SelectObject(own_, old_);
    if (section_) {
      DeleteObject(section_);
      GdiCounters::Deleted();
    }
    if (own_) {
      if (section_) GdiCounters::Deleted();
      DeleteDC(own_);
    }
  }
  HDC Get() const { return dc_; }

private:
  HDC dc_ = nullptr;
  HDC own_ = nullptr;
  HBITMAP section_ = nullptr;
  HGDIOBJ old_ = nullptr;
};

}  // namespace

TCanvas::TCanvas() = default;

HDC TCanvas::Handle() {
  CreateHandle();
  return dc_;
}

HDC TCanvas::RequireHandle() {
  CreateHandle();
  if (!dc_) throw Exception("Canvas does not allow drawing");
  return dc_;
}

void TCanvas::FillRect(const TRect& r) {
  HDC dc = RequireHandle();
  const RECT rc{r.Left, r.Top, r.Right, r.Bottom};
  ::FillRect(dc, &rc, brush_.Handle());
}

void TCanvas::FrameRect(const TRect& r) {
  HDC dc = RequireHandle();
  const RECT rc{r.Left, r.Top, r.Right, r.Bottom};
  ::FrameRect(dc, &rc, brush_.Handle());
}

void TCanvas::Rectangle(const TRect& r) {
  HDC dc = RequireHandle();
  TToolSelection sel(dc, pen_.Handle(), brush_.Handle());
  ::Rectangle(dc, r.Left, r.Top, r.Right, r.Bottom);
}

void TCanvas::MoveTo(int x, int y) { MoveToEx(RequireHandle(), x, y, nullptr); }

void TCanvas::LineTo(int x, int y) {
  HDC dc = RequireHandle();
  POINT pos{};
  {
    TToolSelection sel(dc, pen_.Handle());
    ::LineTo(dc, x, y);
    GetCurrentPositionEx(dc, &pos);
  }
  // RestoreDC also restores the pen position; keep the line's end.
  MoveToEx(dc, pos.x, pos.y, nullptr);
}

TPoint TCanvas::PenPos() {
  POINT p{};
  GetCurrentPositionEx(RequireHandle(), &p);
  return {p.x, p.y};
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
  HDC dc = RequireHandle();
  TToolSelection sel(dc, font_.Handle());
  SetTextColor(dc, ToColorRef(font_.Color()));
  if (brush_.Style() == bsClear) {
    SetBkMode(dc, TRANSPARENT);
  } else {
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, ToColorRef(brush_.Color()));
  }
  const std::wstring w = Utf8ToWide(text);
  ExtTextOutW(dc, x, y, 0, nullptr, w.c_str(), static_cast<UINT>(w.size()), nullptr);
}

void TCanvas::TextRect(const TRect& r, int x, int y, const std::string& text) {
  HDC dc = RequireHandle();
  TToolSelection sel(dc, font_.Handle());
  SetTextColor(dc, ToColorRef(font_.Color()));
  UINT options = ETO_CLIPPED;
  if (brush_.Style() == bsClear) {
    SetBkMode(dc, TRANSPARENT);
  } else {
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, ToColorRef(brush_.Color()));
    options |= ETO_OPAQUE;
  }
  const RECT rc{r.Left, r.Top, r.Right, r.Bottom};
  const std::wstring w = Utf8ToWide(text);
  ExtTextOutW(dc, x, y, options, &rc, w.c_str(), static_cast<UINT>(w.size()), nullptr);
}

int TCanvas::TextWidth(const std::string& text) {
  HDC dc = RequireHandle();
  TToolSelection sel(dc, font_.Handle());
  const std::wstring w = Utf8ToWide(text);
  SIZE size{};
  GetTextExtentPoint32W(dc, w.c_str(), static_cast<int>(w.size()), &size);
  return size.cx;
}

int TCanvas::TextHeight(const std::string& text) {
  HDC dc = RequireHandle();
  TToolSelection sel(dc, font_.Handle());
  const std::wstring w = Utf8ToWide(text.empty() ? std::string("Wg") : text);
  SIZE size{};
  GetTextExtentPoint32W(dc, w.c_str(), static_cast<int>(w.size()), &size);
  return size.cy;
}

TColor TCanvas::Pixel(int x, int y) {
  const COLORREF c = GetPixel(RequireHandle(), x, y);
  return c == CLR_INVALID ? clNone : static_cast<TColor>(c);
}

void TCanvas::SetPixel(int x, int y, TColor color) { ::SetPixelV(RequireHandle(), x, y, ToColorRef(color)); }

void TCanvas::CopyRect(const TRect& destRect, TCanvas& source, const TRect& sourceRect) {
  HDC dc = RequireHandle();
  HDC src = source.RequireHandle();
  TDCStateGuard guard(dc);
  SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, destRect.Left, destRect.Top, destRect.Width(), destRect.Height(), src, sourceRect.Left,
             sourceRect.Top, sourceRect.Width(), sourceRect.Height(), copyMode_);
}

void TCanvas::Draw(int x, int y, const TBitmap& bitmap) {
  BlitBitmap(Bounds(x, y, bitmap.Width(), bitmap.Height()), bitmap);
}

void TCanvas::StretchDraw(const TRect& destRect, const TBitmap& bitmap) { BlitBitmap(destRect, bitmap); }

void TCanvas::BlitBitmap(const TRect& d, const TBitmap& bitmap) {
  if (bitmap.Empty() || d.IsEmpty()) return;
  HDC dc = RequireHandle();
  TSourceDC src(bitmap);
  if (!src.Get()) throw EOutOfResources("Out of system resources");
  GdiFlush();
  TDCStateGuard guard(dc);
  SetStretchBltMode(dc, COLORONCOLOR);
  if (bitmap.Transparent()) {
    TransparentBlt(dc, d.Left, d.Top, d.Width(), d.Height(), src.Get(), 0, 0, bitmap.Width(), bitmap.Height(),
                   ToColorRef(bitmap.TransparentColor()));
  } else {
    StretchBlt(dc, d.Left, d.Top, d.Width(), d.Height(), src.Get(), 0, 0, bitmap.Width(), bitmap.Height(),
               copyMode_);
  }
}

void TBitmapCanvas::CreateHandle() { SetHandle(static_cast<HDC>(bitmap_.DC())); }

}  // namespace pelorin
