// Graphite: a dark neutral skin with square opaque corners, two-state
// borders, the caption on an accent plaque and a pin button right after it.
#include "tools/skingen/SkinTheme.h"

namespace pelorin::skingen {

TSkinTheme GraphiteTheme() {
  TSkinTheme t;
  t.Name = "Graphite";
  t.FileName = "graphite";
  t.Summary = "Dark graphite, blue accent, caption plaque";
  t.Dark = true;
  t.P = {.Face = Rgb(52, 56, 62), .Text = Rgb(222, 226, 232), .Window = Rgb(36, 39, 44), .WindowText = Rgb(222, 226, 232),
         .Light = Rgb(86, 92, 100), .Shadow = Rgb(130, 136, 144), .DkShadow = Rgb(18, 20, 23),
         .Hilight = Rgb(50, 116, 204), .HilightText = Rgb(255, 255, 255), .Accent = Rgb(66, 136, 228),
         .TitleTop = Rgb(46, 50, 56), .TitleBottom = Rgb(32, 35, 40), .TitleText = Rgb(232, 236, 242),
         .InactiveTop = Rgb(58, 60, 64), .InactiveBottom = Rgb(48, 50, 54),
         .Frame = Rgb(12, 13, 15), .FrameBody = Rgb(34, 37, 42),
         .MenuBar = Rgb(44, 48, 54), .MenuBarText = Rgb(222, 226, 232), .Menu = Rgb(40, 43, 48),
         .MenuText = Rgb(222, 226, 232), .Scrollbar = Rgb(40, 43, 48)};
  t.TitleHeight = 28;
  t.BorderWidth = 4;
  t.BottomHeight = 4;
  t.TextAlignment = 0;
  t.TextShift = 20;
  t.TextBack = true;
  t.TextBackLeft = 10;
  t.TextBackRight = 10;
  t.ButtonSize = 18;
  // Pin: follows the caption's end; posts its code 41 to the window.
  t.ExtraButtons = {{41, 3, 4, TGlyph::Pin, "pin.bmp"}};
  t.ControlRadius = 2;
  t.IgnoredText =
      "\r\n[Skin Info]\r\nAuthor=Pelorin\r\nUrl=\r\n"
      "\r\n[Extras]\r\nButtonStyle=flat\r\nBitmap=button2.bmp\r\n";
  return t;
}

}  // namespace pelorin::skingen
