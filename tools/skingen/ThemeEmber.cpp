// Ember: a dark warm skin with round, key-coloured corners, single-state
// borders, coloured round buttons on the left and a right-aligned caption.
#include "tools/skingen/SkinTheme.h"

namespace pelorin::skingen {

TSkinTheme EmberTheme() {
  TSkinTheme t;
  t.Name = "Ember";
  t.FileName = "ember";
  t.Summary = "Dark and warm, round corners, buttons on the left";
  t.Dark = true;
  t.P = {.Face = Rgb(48, 44, 42), .Text = Rgb(236, 226, 214), .Window = Rgb(32, 30, 29), .WindowText = Rgb(236, 226, 214),
         .Light = Rgb(92, 86, 82), .Shadow = Rgb(128, 118, 110), .DkShadow = Rgb(18, 16, 15),
         .Hilight = Rgb(206, 104, 40), .HilightText = Rgb(255, 255, 255), .Accent = Rgb(232, 124, 50),
         .TitleTop = Rgb(70, 62, 58), .TitleBottom = Rgb(42, 38, 36), .TitleText = Rgb(246, 214, 180),
         .InactiveTop = Rgb(60, 58, 57), .InactiveBottom = Rgb(46, 45, 44),
         .Frame = Rgb(12, 10, 10), .FrameBody = Rgb(42, 38, 36),
         .MenuBar = Rgb(54, 49, 46), .MenuBarText = Rgb(236, 226, 214), .Menu = Rgb(42, 39, 37),
         .MenuText = Rgb(236, 226, 214), .Scrollbar = Rgb(38, 35, 33)};
  t.TitleHeight = 30;
  t.BorderWidth = 4;
  t.BottomHeight = 5;
  t.CornerRadius = 10;
  t.BottomRadius = 4;
  t.TwoFrames = false;
  t.TextAlignment = 2;
  // Right-aligned captions end left of the window icon.
  t.TextRightClip = -30;
  t.ButtonShape = TButtonShape::Circle;
  t.ButtonSize = 16;
  t.ButtonsLeft = true;
  t.ControlRadius = 4;
  t.CheckSize = 14;
  t.IgnoredText =
      "\r\n[Cursors]\r\nArrow=arrow.cur\r\n"
      "\r\n[Personality2]\r\nShadow=1\r\nShadowDepth=6\r\n";
  return t;
}

}  // namespace pelorin::skingen
