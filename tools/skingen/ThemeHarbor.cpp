// Harbor: a light sea-green skin with tiled rope-pattern borders, square
// opaque corners, a centred caption on a plaque and a help button whose
// action code the window receives.
#include "tools/skingen/SkinTheme.h"

namespace pelorin::skingen {

TSkinTheme HarborTheme() {
  TSkinTheme t;
  t.Name = "Harbor";
  t.FileName = "harbor";
  t.Summary = "Sea green, tiled rope borders, centred caption plaque";
  t.P = {.Face = Rgb(230, 239, 239), .Text = Rgb(22, 46, 54), .Window = Rgb(255, 255, 255), .WindowText = Rgb(18, 36, 42),
         .Light = Rgb(255, 255, 255), .Shadow = Rgb(140, 166, 170), .DkShadow = Rgb(70, 100, 108),
         .Hilight = Rgb(0, 122, 134), .HilightText = Rgb(255, 255, 255), .Accent = Rgb(0, 128, 140),
         .TitleTop = Rgb(42, 122, 142), .TitleBottom = Rgb(18, 82, 102), .TitleText = Rgb(255, 255, 255),
         .InactiveTop = Rgb(128, 156, 162), .InactiveBottom = Rgb(102, 130, 138),
         .Frame = Rgb(8, 46, 58), .FrameBody = Rgb(26, 92, 112),
         .MenuBar = Rgb(220, 233, 235), .MenuBarText = Rgb(22, 46, 54), .Menu = Rgb(246, 250, 250),
         .MenuText = Rgb(22, 46, 54), .Scrollbar = Rgb(214, 227, 229)};
  t.TitleHeight = 28;
  t.BorderWidth = 6;
  t.BottomHeight = 6;
  t.Tiled = true;
  t.TexturePeriod = 8;
  // A twisted rope: bright diagonal strands with a dark seam between them.
  t.Texture = [](int x, int y) {
    const int d = (x + y) % 8;
    return d < 3 ? 0.12 : d == 7 ? -0.18 : 0.0;
  };
  t.TextAlignment = 1;
  t.TextShiftVert = 1;
  t.TextBack = true;
  t.TextBackLeft = 12;
  t.TextBackRight = 12;
  t.ButtonSize = 18;
  t.ExplicitFrames = false;
  // Help, left of minimise; posts its code 40 to the window.
  t.ExtraButtons = {{40, 1, 6 + 5 + 18 + 3 * 20, TGlyph::Help, "help.bmp"}};
  t.ControlRadius = 2;
  t.IgnoredText =
      "\r\n[Button.CheckBox]\r\nImage=check.bmp\r\n"
      "\r\n[Form]\r\nBackground=water.bmp\r\nAnimate=1\r\n";
  return t;
}

}  // namespace pelorin::skingen
