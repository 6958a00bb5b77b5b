// (Names avoid the RGB and Get?Value macros of the Windows headers.)
// TColor: an RGB value 0x00BBGGRR, or 0x80000000 plus a Windows system colour
// index. Pixels of TBitmap are 0x00RRGGBB words (B, G, R, X bytes).
#pragma once

#include <cstdint>

namespace pelorin {

using TColor = int32_t;

constexpr TColor MakeRGB(int r, int g, int b) {
  return static_cast<TColor>((uint32_t(r) & 0xFF) | (uint32_t(g) & 0xFF) << 8 | (uint32_t(b) & 0xFF) << 16);
}
constexpr int RValue(TColor c) { return c & 0xFF; }
constexpr int GValue(TColor c) { return (c >> 8) & 0xFF; }
constexpr int BValue(TColor c) { return (c >> 16) & 0xFF; }

constexpr TColor SysColor(int index) { return static_cast<TColor>(0x80000000u | uint32_t(index)); }
constexpr bool IsSysColor(TColor c) { return (uint32_t(c) & 0xFF000000u) == 0x80000000u; }

// Windows system colour indexes (COLOR_*).
enum : int {
  COLOR_SCROLLBAR_IDX = 0, COLOR_BACKGROUND_IDX = 1, COLOR_ACTIVECAPTION_IDX = 2, COLOR_INACTIVECAPTION_IDX = 3,
  COLOR_MENU_IDX = 4, COLOR_WINDOW_IDX = 5, COLOR_WINDOWFRAME_IDX = 6, COLOR_MENUTEXT_IDX = 7,
  COLOR_WINDOWTEXT_IDX = 8, COLOR_CAPTIONTEXT_IDX = 9, COLOR_ACTIVEBORDER_IDX = 10, COLOR_INACTIVEBORDER_IDX = 11,
  COLOR_APPWORKSPACE_IDX = 12, COLOR_HIGHLIGHT_IDX = 13, COLOR_HIGHLIGHTTEXT_IDX = 14, COLOR_BTNFACE_IDX = 15,
  COLOR_BTNSHADOW_IDX = 16, COLOR_GRAYTEXT_IDX = 17, COLOR_BTNTEXT_IDX = 18, COLOR_INACTIVECAPTIONTEXT_IDX = 19,
  COLOR_BTNHIGHLIGHT_IDX = 20, COLOR_3DDKSHADOW_IDX = 21, COLOR_3DLIGHT_IDX = 22, COLOR_INFOTEXT_IDX = 23,
  COLOR_INFOBK_IDX = 24, COLOR_HOTLIGHT_IDX = 26, COLOR_GRADIENTACTIVECAPTION_IDX = 27,
  COLOR_GRADIENTINACTIVECAPTION_IDX = 28, COLOR_MENUHILIGHT_IDX = 29, COLOR_MENUBAR_IDX = 30,
  SYS_COLOR_COUNT = 31,
};

constexpr TColor clScrollBar = SysColor(COLOR_SCROLLBAR_IDX);
constexpr TColor clBackground = SysColor(COLOR_BACKGROUND_IDX);
constexpr TColor clActiveCaption = SysColor(COLOR_ACTIVECAPTION_IDX);
constexpr TColor clInactiveCaption = SysColor(COLOR_INACTIVECAPTION_IDX);
constexpr TColor clMenu = SysColor(COLOR_MENU_IDX);
constexpr TColor clWindow = SysColor(COLOR_WINDOW_IDX);
constexpr TColor clWindowFrame = SysColor(COLOR_WINDOWFRAME_IDX);
constexpr TColor clMenuText = SysColor(COLOR_MENUTEXT_IDX);
constexpr TColor clWindowText = SysColor(COLOR_WINDOWTEXT_IDX);
constexpr TColor clCaptionText = SysColor(COLOR_CAPTIONTEXT_IDX);
constexpr TColor clActiveBorder = SysColor(COLOR_ACTIVEBORDER_IDX);
constexpr TColor clInactiveBorder = SysColor(COLOR_INACTIVEBORDER_IDX);
constexpr TColor clAppWorkSpace = SysColor(COLOR_APPWORKSPACE_IDX);
constexpr TColor clHighlight = SysColor(COLOR_HIGHLIGHT_IDX);
constexpr TColor clHighlightText = SysColor(COLOR_HIGHLIGHTTEXT_IDX);
constexpr TColor clBtnFace = SysColor(COLOR_BTNFACE_IDX);
constexpr TColor clBtnShadow = SysColor(COLOR_BTNSHADOW_IDX);
constexpr TColor clGrayText = SysColor(COLOR_GRAYTEXT_IDX);
constexpr TColor clBtnText = SysColor(COLOR_BTNTEXT_IDX);
constexpr TColor clInactiveCaptionText = SysColor(COLOR_INACTIVECAPTIONTEXT_IDX);
constexpr TColor clBtnHighlight = SysColor(COLOR_BTNHIGHLIGHT_IDX);
constexpr TColor cl3DDkShadow = SysColor(COLOR_3DDKSHADOW_IDX);
constexpr TColor cl3DLight = SysColor(COLOR_3DLIGHT_IDX);
constexpr TColor clInfoText = SysColor(COLOR_INFOTEXT_IDX);
constexpr TColor clInfoBk = SysColor(COLOR_INFOBK_IDX);
constexpr TColor clMenuBar = SysColor(COLOR_MENUBAR_IDX);
constexpr TColor clMenuHighlight = SysColor(COLOR_MENUHILIGHT_IDX);

constexpr TColor clBlack = MakeRGB(0, 0, 0);
constexpr TColor clWhite = MakeRGB(255, 255, 255);
constexpr TColor clRed = MakeRGB(255, 0, 0);
constexpr TColor clLime = MakeRGB(0, 255, 0);
constexpr TColor clBlue = MakeRGB(0, 0, 255);
constexpr TColor clFuchsia = MakeRGB(255, 0, 255);
constexpr TColor clGray = MakeRGB(128, 128, 128);
constexpr TColor clSilver = MakeRGB(192, 192, 192);
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

// The RGB value of a colour; system colours come from the platform (the
// classic Windows palette natively, GetSysColor on Windows).
TColor ColorToRGB(TColor color);
// The platform's value of one system colour index (0 for an unknown index).
TColor PlatformSysColor(int index);

// Conversions between TColor and TBitmap pixel words.
constexpr uint32_t PixelFromColor(TColor rgb) {
  return uint32_t(RValue(rgb)) << 16 | uint32_t(GValue(rgb)) << 8 | uint32_t(BValue(rgb));
}
constexpr TColor ColorFromPixel(uint32_t px) { return MakeRGB(int(px >> 16) & 0xFF, int(px >> 8) & 0xFF, int(px) & 0xFF); }

}  // namespace pelorin
