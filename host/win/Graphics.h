// Drawing tools of the framework on Win32: TFont, TBrush and TPen, each owning
// its GDI handle, and TCanvas, which draws with them on a device context.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "host/core/Bitmap.h"
#include "host/core/Color.h"
#include "host/core/Geometry.h"
#include "host/core/Persistent.h"

namespace pelorin {

// Base of the tools: a lazily made GDI handle that any change discards, and a
// change event the owner (a control, a canvas) listens to.
class TGraphicsObject : public TPersistent {
public:
  TGraphicsObject() = default;
  ~TGraphicsObject() override { FreeHandle(); }
  std::function<void()> OnChange;

protected:
  void Changed();
  void FreeHandle();
  HGDIOBJ handle_ = nullptr;
};

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = unsigned;

class TFont : public TGraphicsObject {
public:
  TFont();
  std::string ClassName() const override { return "TFont"; }
  void DefineProperties(TFiler& filer) override;
  void Assign(const TPersistent& source) override;

  // HFONT made with CreateFontIndirectW from the current attributes.
  HFONT Handle();
  // Takes the attributes of a LOGFONT (the handle is made from them on demand).
  void SetLogFont(const LOGFONTW& lf);
  LOGFONTW LogFont() const;

  const std::string& Name() const { return name_; }
  void SetName(const std::string& name);
  // Character height in pixels when negative, cell height when positive.
  int Height() const { return height_; }
  void SetHeight(int height);
  // Points at 96 pixels per inch.
  int Size() const;
  void SetSize(int points);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles style);
  int Charset() const { return charset_; }
  void SetCharset(int charset);

  static constexpr int PixelsPerInch = 96;

private:
  std::string name_ = "MS Sans Serif";
  int height_ = -11;
  TColor color_ = clWindowText;
  TFontStyles style_ = 0;
  int charset_ = DEFAULT_CHARSET;
};

enum TBrushStyle { bsSolid, bsClear };

class TBrush : public TGraphicsObject {
public:
  std::string ClassName() const override { return "TBrush"; }
  void Assign(const TPersistent& source) override;
  HBRUSH Handle();
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  TBrushStyle Style() const { return style_; }
  void SetStyle(TBrushStyle style);

private:
  TColor color_ = clWhite;
  TBrushStyle style_ = bsSolid;
};

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear };

class TPen : public TGraphicsObject {
public:
  std::string ClassName() const override { return "TPen"; }
  void Assign(const TPersistent& source) override;
  HPEN Handle();
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  int Width() const { return width_; }
  void SetWidth(int width);
  TPenStyle Style() const { return style_; }
  void SetStyle(TPenStyle style);

private:
  TColor color_ = clBlack;
  int width_ = 1;
  TPenStyle style_ = psSolid;
};

// Saves everything selected into a DC (objects, colours, modes, clipping) and
// restores it on scope exit.
class TDCStateGuard {
public:
  explicit TDCStateGuard(HDC dc) : dc_(dc), id_(dc ? SaveDC(dc) : 0) {}
  TDCStateGuard(const TDCStateGuard&) = delete;
  TDCStateGuard& operator=(const TDCStateGuard&) = delete;
  ~TDCStateGuard() {
    if (id_) RestoreDC(dc_, id_);
  }

private:
  HDC dc_;
  int id_;
};

// Draws on a device context it does not own. The tools are selected only for
// the span of one operation, so a tool may change (and drop its handle) at any
// time without leaving a deleted object selected.
class TCanvas : public TPersistent {
public:
  TCanvas();
  ~TCanvas() override = default;
  std::string ClassName() const override { return "TCanvas"; }

  HDC Handle();
  void SetHandle(HDC dc) { dc_ = dc; }
  bool HandleAllocated() const { return dc_ != nullptr; }

  TFont& Font() { return font_; }
  TBrush& Brush() { return brush_; }
  TPen& Pen() { return pen_; }
  DWORD CopyMode() const { return copyMode_; }
  void SetCopyMode(DWORD rop) { copyMode_ = rop; }

  void FillRect(const TRect& r);
  void FrameRect(const TRect& r);
  void Rectangle(const TRect& r);
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  TPoint PenPos();
  void TextOut(int x, int y, const std::string& text);
  // Text clipped to r, drawn at (x, y).
  void TextRect(const TRect& r, int x, int y, const std::string& text);
  int TextWidth(const std::string& text);
  int TextHeight(const std::string& text);
  TColor Pixel(int x, int y);
  void SetPixel(int x, int y, TColor color);

  // Copies source's sourceRect into destRect (stretching, COLORONCOLOR) with CopyMode.
  void CopyRect(const TRect& destRect, TCanvas& source, const TRect& sourceRect);
  // A transparent bitmap leaves its TransparentColor pixels out.
  void Draw(int x, int y, const TBitmap& bitmap);
  void StretchDraw(const TRect& destRect, const TBitmap& bitmap);

protected:
  // Makes sure dc_ is usable; derived canvases fetch or create it here.
  virtual void CreateHandle() {}
  HDC CurrentHandle() const { return dc_; }

private:
  HDC RequireHandle();
  void BlitBitmap(const TRect& destRect, const TBitmap& bitmap);

  HDC dc_ = nullptr;
  TFont font_;
  TBrush brush_;
  TPen pen_;
  DWORD copyMode_ = SRCCOPY;
};

// A canvas over a TBitmap's own memory DC (its DIB section). It follows the
// bitmap when it is resized. Flush before reading pixels GDI drew.
class TBitmapCanvas : public TCanvas {
public:
  explicit TBitmapCanvas(TBitmap& bitmap) : bitmap_(bitmap) {}
  void Flush() { GdiFlush(); }

protected:
  void CreateHandle() override;

private:
  TBitmap& bitmap_;
};

// The COLORREF of a TColor (system colours resolved).
inline COLORREF ToColorRef(TColor c) { return static_cast<COLORREF>(ColorToRGB(c)); }

}  // namespace pelorin
