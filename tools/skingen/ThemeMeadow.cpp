// Meadow: a light green skin with woven, tiled borders and rounded keyed
// corners, a centred caption and a leaf decoration that ignores the mouse.
// Its description names images inside a folder, as other tools write them.
#include "tools/skingen/SkinTheme.h"

namespace pelorin::skingen {

TSkinTheme MeadowTheme() {
  TSkinTheme t;
  t.Name = "Meadow";
  t.FileName = "meadow";
  t.Summary = "Light green, woven borders, rounded corners";
  t.P = {.Face = Rgb(240, 244, 234), .Text = Rgb(34, 52, 30), .Window = Rgb(255, 255, 252), .WindowText = Rgb(30, 44, 26),
         .Light = Rgb(255, 255, 255), .Shadow = Rgb(150, 170, 140), .DkShadow = Rgb(84, 106, 74),
         .Hilight = Rgb(92, 156, 70), .HilightText = Rgb(255, 255, 255), .Accent = Rgb(84, 150, 62),
         .TitleTop = Rgb(120, 176, 94), .TitleBottom = Rgb(70, 128, 56), .TitleText = Rgb(255, 255, 255),
         .InactiveTop = Rgb(150, 170, 140), .InactiveBottom = Rgb(124, 146, 114),
         .Frame = Rgb(38, 76, 32), .FrameBody = Rgb(80, 134, 64),
         .MenuBar = Rgb(232, 240, 226), .MenuBarText = Rgb(34, 52, 30), .Menu = Rgb(250, 252, 246),
         .MenuText = Rgb(34, 52, 30), .Scrollbar = Rgb(226, 234, 220)};
  t.TitleHeight = 28;
  t.BorderWidth = 6;
  t.BottomHeight = 6;
  t.CornerRadius = 9;
  t.BottomRadius = 5;
  t.Tiled = true;
  t.TexturePeriod = 12;
  // Basket weave: 3-pixel cells, alternately raised and lowered.
  t.Texture = [](int x, int y) {
    const bool raised = ((x / 3) + (y / 3)) % 2 == 0;
    return raised ? ((x % 3 == 0) ? 0.14 : 0.06) : ((y % 3 == 2) ? -0.12 : -0.04);
  };
  t.TextAlignment = 1;
  t.ButtonSize = 18;
  t.ExtraButtons = {{-1, 0, 6 + 6 + 16 + 4, TGlyph::Leaf, "leaf.bmp"}};
  t.ControlRadius = 5;
  t.ImageFolder = true;
  t.IgnoredText =
      "\r\n[Button.Radio]\r\nImage=images\\radio.bmp\r\n"
      "\r\n[Button.CheckBox]\r\nImage=images\\check.bmp\r\n"
      "\r\n[Garden]\r\nSeason=Spring\r\n";
  return t;
}

}  // namespace pelorin::skingen
