// Slate: a light blue-grey skin with rounded, key-coloured top corners,
// stretched two-state borders and a left-aligned caption.
#include "tools/skingen/SkinTheme.h"

namespace pelorin::skingen {

TSkinTheme SlateTheme() {
  TSkinTheme t;
  t.Name = "Slate";
  t.FileName = "slate";
  t.Summary = "Light blue-grey, rounded top corners";
  t.P = {.Face = Rgb(236, 239, 243), .Text = Rgb(30, 36, 44), .Window = Rgb(255, 255, 255), .WindowText = Rgb(20, 24, 30),
         .Light = Rgb(255, 255, 255), .Shadow = Rgb(160, 170, 182), .DkShadow = Rgb(96, 106, 120),
         .Hilight = Rgb(66, 120, 190), .HilightText = Rgb(255, 255, 255), .Accent = Rgb(58, 118, 200),
         .TitleTop = Rgb(96, 134, 182), .TitleBottom = Rgb(58, 92, 140), .TitleText = Rgb(255, 255, 255),
         .InactiveTop = Rgb(148, 160, 178), .InactiveBottom = Rgb(120, 134, 154),
         .Frame = Rgb(40, 58, 84), .FrameBody = Rgb(66, 98, 144),
         .MenuBar = Rgb(244, 246, 250), .MenuBarText = Rgb(30, 36, 44), .Menu = Rgb(250, 251, 253),
         .MenuText = Rgb(30, 36, 44), .Scrollbar = Rgb(226, 230, 236)};
  t.TitleHeight = 30;
  t.BorderWidth = 5;
  t.BottomHeight = 5;
  t.CornerRadius = 8;
  t.TextAlignment = 0;
  t.TextShift = 24;
  t.ButtonSize = 20;
  t.ControlRadius = 3;
  t.IgnoredText =
      "\r\n[Sounds]\r\nClose=close.wav\r\nMaximize=max.wav\r\n"
      "\r\n[Button.Radio]\r\nImage=radio.bmp\r\n";
  return t;
}

}  // namespace pelorin::skingen
