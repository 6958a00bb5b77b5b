// The painting routines control skinners share: everything is composed in
// the shared buffer and reaches the window in one blit.
#include <algorithm>

#include "controls/ArrowShapes.h"
#include "controls/GlyphLayout.h"
#include "controls/win/WinSubClass.h"
#include "host/win/Graphics.h"
#include "paint/DrawElement.h"
#include "paint/PieceBlit.h"
#include "paint/SkinPaint.h"
#include "skinmodel/WinSkinData.h"

namespace pelorin {

namespace {
constexpr uint32_t MagentaKey = 0xFF00FF;

TPoint MeasureText(HDC dc, const TRect& rect, const std::wstring& text, UINT flags) {
  if (text.empty()) return {0, 0};
  RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, flags | DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS);
  return {r.right - r.left, r.bottom - r.top};
}

void DrawTextAt(HDC dc, const TRect& at, const std::wstring& text, UINT flags, bool enabled) {
  if (text.empty()) return;
  SetBkMode(dc, TRANSPARENT);
  if (!enabled) SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
  RECT r{at.Left, at.Top, at.Right, at.Bottom};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, flags);
}
}  // namespace

TBitmap& TSkinControl::Buffer() { return SharedPaintBuffer(); }

void TSkinControl::HandlePaintMessage(TMessage& message) {
  PAINTSTRUCT ps{};
  HDC dc = reinterpret_cast<HDC>(message.WParam);
  const bool began = dc == nullptr;
  if (began) dc = BeginPaint(handle_, &ps);
  RECT wr;
  if (dc && GetWindowRect(handle_, &wr)) {
    windowRect_ = {wr.left, wr.top, wr.right, wr.bottom};
    try {
      Paint(dc, Rect(0, 0, wr.right - wr.left, wr.bottom - wr.top));
    } catch (...) {
      // Painting never reports.
    }
  }
  if (began) EndPaint(handle_, &ps);
  message.Result = 0;
}

bool TSkinControl::PaintWholeControl(TMessage& message) {
  if (message.Msg == WM_PAINT) {
    HandlePaintMessage(message);
    return true;
  }
  if (message.Msg == WM_ERASEBKGND) {
    message.Result = 1;
    return true;
  }
  return false;
}

void TSkinControl::FillBackground(HDC dc, const TRect& rect) {
  if (!skin_) return;
  HBRUSH brush = CreateSolidBrush(ToColorRef(skin_->colors[csButtonFace]));
  if (!brush) return;
  const RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
  FillRect(dc, &r, brush);
  DeleteObject(brush);
}

void TSkinControl::DrawElementFace(const TRect& rect, const TDataSkinObject& element, int frame) {
  if (rect.Right < rect.Left || rect.Bottom < rect.Top) return;
  TBitmap& buffer = Buffer();
  GdiFlush();  // the last paint's text may still be queued
  GrowBitmap(buffer, rect.Right, rect.Bottom);
  buffer.FillRect(rect, skin_ ? ColorToRGB(skin_->colors[csButtonFace]) : 0);
  DrawElement(buffer, rect, element, frame);
}

void TSkinControl::BlitBuffer(HDC dc, const TRect& rect) {
  TBitmap& buffer = Buffer();
  auto* source = static_cast<HDC>(buffer.DC());
  if (!dc || !source) return;
  BitBlt(dc, rect.Left, rect.Top, std::min(rect.Width(), buffer.Width()), std::min(rect.Height(), buffer.Height()),
         source, 0, 0, SRCCOPY);
}

void TSkinControl::DrawCaption(HDC dc, const TRect& rect, int format, bool enabled, const std::wstring& text) {
  const TPoint size = MeasureText(dc, rect, text, static_cast<UINT>(format));
  DrawTextAt(dc, PlaceCaption(rect, size, format), text, static_cast<UINT>(format) | DT_EXPANDTABS, enabled);
}

void TSkinControl::DrawCaptionCentered(HDC dc, const TRect& rect, const std::wstring& text, int alignment,
                                       bool enabled) {
  static constexpr UINT Formats[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  const UINT format = Formats[alignment >= 0 && alignment <= 2 ? alignment : 0];
  const TPoint size = MeasureText(dc, rect, text, format | DT_SINGLELINE);
  DrawTextAt(dc, PlaceCaptionCentred(rect, size), text, format | DT_SINGLELINE | DT_EXPANDTABS, enabled);
}

void TSkinControl::DrawStretchedFrame(TBitmap& target, const TRect& rect, int frameCount, int frameIndex,
                                      const TBitmap& image) {
  if (rect.Right <= rect.Left || rect.Bottom <= rect.Top || image.Empty() || frameCount < 1) return;
  const TBitmap frame = BuildSkinBitmap(Rect(0, 0, rect.Width(), rect.Height()), image, {}, false, false,
                                        frameCount, std::clamp(frameIndex, 1, frameCount));
  CopyPixelsKeyed(target, rect.Left, rect.Top, frame, frame.BoundsRect(), MagentaKey);
}

void TSkinControl::DrawGlyph(TBitmap& target, TPoint at, int numGlyphs, int index, const TBitmap& glyph) {
  if (glyph.Empty() || numGlyphs < 1) return;
  const int width = glyph.Width() / numGlyphs;
  const int height = glyph.Height();
  if (width < 1) return;
  const int left = (std::clamp(index, 1, numGlyphs) - 1) * width;
  // Each glyph is keyed by its own bottom-left pixel.
  const uint32_t key = glyph.ScanLine(height - 1)[left] & 0xFFFFFF;
  CopyPixelsKeyed(target, at.X, at.Y, glyph, Rect(left, 0, left + width, height), key);
}

void TSkinControl::DrawArrow(TCanvas& canvas, int x, int y, int direction) {
  for (const TArrowStep& step : ArrowPath(direction)) {
    if (step.Move) {
      canvas.MoveTo(x + step.To.X, y + step.To.Y);
    } else {
      canvas.LineTo(x + step.To.X, y + step.To.Y);
    }
  }
}

std::pair<COLORREF, COLORREF> TSkinControl::BevelColors(int kind) {
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), light = GetSysColor(COLOR_BTNHIGHLIGHT);
  return kind == 1 ? std::pair{shadow, light} : std::pair{light, shadow};
}

}  // namespace pelorin
