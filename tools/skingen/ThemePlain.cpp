// Plain: the minimal skin. Borders, push buttons, check and radio strips,
// title-bar buttons and colours only; every optional element is left out and
// the border keys take their defaults.
#include "tools/skingen/SkinTheme.h"

namespace pelorin::skingen {

TSkinTheme PlainTheme() {
  TSkinTheme t;
  t.Name = "Plain";
  t.FileName = "plain";
  t.Summary = "Minimal classic grey, no optional elements";
  t.P = {.Face = Rgb(214, 211, 204), .Text = Rgb(0, 0, 0), .Window = Rgb(255, 255, 255), .WindowText = Rgb(0, 0, 0),
         .Light = Rgb(255, 255, 255), .Shadow = Rgb(128, 128, 128), .DkShadow = Rgb(64, 64, 64),
         .Hilight = Rgb(28, 64, 128), .HilightText = Rgb(255, 255, 255), .Accent = Rgb(40, 80, 150),
         .TitleTop = Rgb(54, 96, 160), .TitleBottom = Rgb(28, 60, 120), .TitleText = Rgb(255, 255, 255),
         .InactiveTop = Rgb(150, 150, 150), .InactiveBottom = Rgb(128, 128, 128),
         .Frame = Rgb(64, 64, 64), .FrameBody = Rgb(214, 211, 204),
         .MenuBar = Rgb(214, 211, 204), .MenuBarText = Rgb(0, 0, 0), .Menu = Rgb(240, 238, 234),
         .MenuText = Rgb(0, 0, 0), .Scrollbar = Rgb(230, 228, 224)};
  t.TitleHeight = 24;
  t.BorderWidth = 4;
  t.BottomHeight = 4;
  t.TwoFrames = false;
  t.TextShift = 22;
  t.ButtonSize = 16;
  t.ExplicitFrames = false;
  t.ControlRadius = 0;
  t.Minimal = true;
  return t;
}

}  // namespace pelorin::skingen
