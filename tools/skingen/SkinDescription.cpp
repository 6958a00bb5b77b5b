// Writes a generated skin's description: borders, title, colours, title-bar
// buttons and one section per control element, plus the theme's ignored extras.
#include "tools/skingen/SkinDescription.h"

#include <cctype>

#include "tools/skingen/SkinImages.h"

namespace pelorin::skingen {

namespace {

class TIniText {
public:
  void Section(const std::string& name) { text_ += (text_.empty() ? "[" : "\r\n[") + name + "]\r\n"; }
  void Key(const std::string& key, const std::string& value) { text_ += key + "=" + value + "\r\n"; }
  void Key(const std::string& key, int value) { Key(key, std::to_string(value)); }
  void Margins(int l, int t, int r, int b) {
    Key("LeftWidth", l);
    Key("TopHeight", t);
    Key("RightWidth", r);
    Key("BottomHeight", b);
  }
  void Raw(const std::string& text) { text_ += text; }
  std::string Text() const { return text_; }

private:
  std::string text_;
};

}  // namespace

std::string DescribeSkin(const TSkinTheme& t, const std::vector<TTitleButton>& buttons) {
  // Image values: plain names, or a folder and a capitalised name, which the
  // archive lookup ignores and matches without regard to case.
  auto img = [&](const std::string& file) {
    if (!t.ImageFolder) return file;
    std::string f = file;
    f[0] = char(std::toupper(static_cast<unsigned char>(f[0])));
    return "images\\" + f;
  };
  const TFrameGeometry g = FrameGeometry(t);
  TIniText ini;
  ini.Section("Skin");
  ini.Key("Name", t.Name);
  ini.Key("Comment", t.Summary);
  ini.Key("Version", "1.0");

  ini.Section("Personality");
  const char* names[4] = {"Left", "Right", "Top", "Bottom"};
  for (int i = 0; i < 4; ++i) {
    const std::string n = names[i];
    ini.Key(n, img(std::string(1, char(std::tolower(n[0]))) + n.substr(1) + ".bmp"));
    if (i < 2) {
      ini.Key(n + "TopHeight", t.TitleHeight);
      ini.Key(n + "BotHeight", t.BottomHeight);
    } else {
      ini.Key(n + "TopHeight", g.FixedLeft);
      ini.Key(n + "BotHeight", g.FixedRight);
    }
    // The minimal skin relies on the defaults: one frame, stretched, keyed.
    if (!t.Minimal) {
      ini.Key(n + "Frame", g.Frames);
      ini.Key(n + "Stretch", t.Tiled ? 0 : 1);
      ini.Key(n + "Trans", t.CornerRadius > 0 || t.BottomRadius > 0 ? 1 : 0);
    }
  }
  ini.Key("TextAlignment", t.TextAlignment);
  ini.Key("TextShift", t.TextShift);
  ini.Key("TextShiftVert", t.TextShiftVert);
  ini.Key("TextRightClip", t.TextRightClip);
  if (t.TextBack) {
    ini.Key("TextBack", img("textback.bmp"));
    ini.Key("TXTBackleft", t.TextBackLeft);
    ini.Key("TXTBackRight", t.TextBackRight);
  }
  if (!t.Minimal) {
    ini.Key("menuBar", img("menubar.bmp"));
    ini.Key("TileMenu", t.Tiled ? 0 : 1);
    ini.Key("TileLeftMenu", 4);
    ini.Key("TileRightMenu", 4);
  }

  ini.Section("Colours");
  const TPalette& p = t.P;
  const std::pair<const char*, TPixel> colours[] = {
      {"WindowText", p.WindowText}, {"ButtonFace", p.Face},         {"Scrollbar", p.Scrollbar},
      {"HilightText", p.HilightText}, {"Hilight", p.Hilight},       {"Menubar", p.MenuBar},
      {"Menu", p.Menu},             {"MenuText", p.MenuText},       {"ButtonText", p.Text},
      {"ButtonHilight", p.Light},   {"Buttonlight", Mix(p.Light, p.Face, 0.5)},
      {"ButtonShadow", p.Shadow},   {"ButtonDkShadow", p.DkShadow}, {"MenuBarText", p.MenuBarText},
      {"TitleTextActive", p.TitleText},
  };
  for (const auto& [key, c] : colours) ini.Key(key, ColourText(c));

  for (const TTitleButton& b : buttons) {
    ini.Section(b.Section);
    ini.Key("Action", b.Action);
    ini.Key("Align", b.Align);
    ini.Key("Xcoord", b.XCoord);
    ini.Key("Ycoord", b.YCoord);
    ini.Key("Visibility", b.Visibility);
    ini.Key("Visibility1", b.Visibility1);
    if (b.WriteFrameKey) ini.Key("frame", b.Frames);
    if (b.Frames > 0) ini.Key("ButtonImage", img(b.File));
  }
  if (!t.Minimal) {
    ini.Section("MDICONTROLS");
    ini.Key("Image", img("mdi.bmp"));
  }

  ini.Section("Buttons");
  ini.Margins(PushButtonMargin, PushButtonMargin, PushButtonMargin, PushButtonMargin);
  ini.Key("Trans", t.ControlRadius > 0 ? 1 : 0);
  ini.Key("Bitmap", img("button.bmp"));
  ini.Key("CheckButton", img("check.bmp"));
  ini.Key("RadioButton", img("radio.bmp"));
  if (t.ExplicitFrames) {
    ini.Key("CheckButtonFrame", 4);
    ini.Key("RadioButtonFrame", 4);
  }
  ini.Key("NormalColour2", ColourText(p.Text));
  ini.Key("MouseOverColour2", ColourText(t.Dark ? Shade(p.Text, 0.3) : Shade(p.Text, -0.5)));
  ini.Key("PressedColour2", ColourText(p.Text));

  if (!t.Minimal) {
    auto element = [&](const char* section, const char* imageKey, const std::string& file, int l, int tp, int r, int b, int trans,
                       int tile) {
      ini.Section(section);
      ini.Key(imageKey, img(file));
      ini.Margins(l, tp, r, b);
      ini.Key("Trans", trans);
      ini.Key("Tile", tile);
    };
    element("Tabs", "Image", "tab.bmp", 6, 6, 6, 2, 1, 0);
    ini.Key("Border", img("tabborder.bmp"));
    ini.Key("NormalColour2", ColourText(Mix(p.Text, p.Face, 0.3)));
    ini.Key("MouseOverColour2", ColourText(p.Text));
    element("ComboButton", "Image", "combo.bmp", 0, 0, 0, 0, 0, 0);
    element("ExtraImages", "Image", "arrow.bmp", 0, 0, 0, 0, 1, 0);
    element("SunkEdge", "Image", "sunkedge.bmp", 2, 2, 2, 2, 0, 0);
    element("Scrollbar", "Image", "scroll.bmp", 0, 0, 0, 0, 1, 0);
    element("HorzScroll", "Image", "hscroll.bmp", 2, 0, 2, 0, 0, t.Tiled ? 1 : 0);
    element("VertScroll", "Image", "vscroll.bmp", 0, 2, 0, 2, 0, t.Tiled ? 1 : 0);
    element("HorzScrollThumb", "Image", "hthumb.bmp", ScrollThumbMargin, 0, ScrollThumbMargin, 0, 1, 0);
    if (t.ExplicitFrames) ini.Key("FrameCount", 3);
    element("VertScrollThumb", "Image", "vthumb.bmp", 0, ScrollThumbMargin, 0, ScrollThumbMargin, 1, 0);
    if (t.ExplicitFrames) ini.Key("FrameCount", 3);
    element("Headerbar", "Image", "header.bmp", 3, 3, 3, 3, 0, 0);
    element("StatusBarEdges", "Image", "status.bmp", 2, 2, 2, 2, 0, 0);
    ini.Key("NormalColour2", ColourText(p.Text));
    ini.Section("Progress");
    ini.Key("Bitmap", img("progress.bmp"));
    ini.Margins(7, 4, 7, 4);
    element("MenuItem", "Image", "menuitem.bmp", 5, 4, 5, 4, 0, 0);
    element("MenuBackground", "Image", "menuback.bmp", 3, 3, 3, 3, 0, 0);
    element("GroupBoxEdge", "Image", "groupbox.bmp", 4, 4, 4, 4, 1, 0);
    element("Toolbars", "Image", "toolbar.bmp", 4, 4, 4, 4, 1, 0);
  }
  ini.Raw(t.IgnoredText);
  return ini.Text();
}

}  // namespace pelorin::skingen
