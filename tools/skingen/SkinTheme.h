// The parameters of one generated skin: palette, frame geometry, which
// variants it shows, and its title-bar buttons. One theme file fills one of
// these; the builder turns it into images and a description.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tools/skingen/Draw.h"
#include "tools/skingen/Glyphs.h"

namespace pelorin::skingen {

struct TPalette {
  TPixel Face, Text, Window, WindowText;
  TPixel Light, Shadow, DkShadow;
  TPixel Hilight, HilightText, Accent;
  TPixel TitleTop, TitleBottom, TitleText;
  TPixel InactiveTop, InactiveBottom;
  TPixel Frame;       // outer outline of the window
  TPixel FrameBody;   // colour of the side and bottom borders
  TPixel MenuBar, MenuBarText, Menu, MenuText, Scrollbar;
};

enum class TButtonShape { Rounded, Circle };

// A title-bar button beyond the standard icon, close, maximise, restore and
// minimise buttons.
struct TExtraButton {
  int Action;     // -1: decoration; other codes are posted to the window
  int Align;      // 0 left edge, 1 right edge, 3 after the caption text
  int XCoord;
  TGlyph Glyph;
  std::string File;
};

struct TSkinTheme {
  std::string Name;       // shown to people ("Slate")
  std::string FileName;   // archive and description base name ("slate")
  std::string Summary;    // one line for the description's comment section
  bool Dark = false;
  TPalette P{};

  int TitleHeight = 28;
  int BorderWidth = 5;
  int BottomHeight = 5;
  int CornerRadius = 0;        // > 0: rounded, key-coloured top corners
  int BottomRadius = 0;        // rounded bottom corners (at most BottomHeight)
  bool TwoFrames = true;       // separate active and inactive border frames
  bool Tiled = false;          // border middles tiled with Texture
  int TexturePeriod = 8;
  // Shade of a border pixel at texture phase (x, y) (both in [0, period)).
  std::function<double(int x, int y)> Texture;

  int TextAlignment = 0;
  int TextShift = 0, TextShiftVert = 0, TextRightClip = 0;
  bool TextBack = false;
  int TextBackLeft = 0, TextBackRight = 0;

  TButtonShape ButtonShape = TButtonShape::Rounded;
  int ButtonSize = 18;
  bool ButtonsLeft = false;    // close, minimise, maximise at the left edge
  bool ExplicitFrames = true;  // write the frame-count keys instead of letting them be computed
  std::vector<TExtraButton> ExtraButtons;

  int ControlRadius = 3;       // push buttons, tabs, progress ends
  int CheckSize = 13;
  bool Minimal = false;        // leave out every optional element
  bool ImageFolder = false;    // name images with a folder in front, as other tools write them
  // Sections and keys the system ignores, appended to the description.
  std::string IgnoredText;
};

// Every theme the generator knows, in a fixed order.
const std::vector<TSkinTheme>& AllThemes();

TSkinTheme SlateTheme();
TSkinTheme HarborTheme();
TSkinTheme EmberTheme();
TSkinTheme MeadowTheme();
TSkinTheme GraphiteTheme();
TSkinTheme PlainTheme();

}  // namespace pelorin::skingen
