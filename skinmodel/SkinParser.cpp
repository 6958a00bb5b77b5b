// The description parser: fills a skin model's records and colours from the
// sections and keys of a skin description, in a fixed order.
#include "skinmodel/SkinParser.h"

#include <algorithm>
#include <cstring>

#include "host/core/IniFile.h"
#include "host/core/StringList.h"
#include "host/core/Streams.h"
#include "skinmodel/SkinRules.h"

namespace pelorin {

void LoadSkinImage(TBitmap& bitmap, std::string_view value, const TSkinFileExtractor& extract,
                   TMemoryStream& temp) {
  std::string name = SkinImageFileName(value);
  temp.Clear();
  if (!name.empty() && extract) extract(name, temp);
  if (temp.GetSize() <= 0) {
    bitmap.Clear();
    return;
  }
  temp.SetPosition(0);
  bitmap.LoadFromStream(temp);
}

void CopyBitmapRect(const TBitmap& source, const TRect& src, TBitmap& dest) {
  TRect clipped = IntersectRect(src, source.BoundsRect());
  int width = std::min(clipped.Width(), dest.Width() - (clipped.Left - src.Left));
  int height = std::min(clipped.Height(), dest.Height() - (clipped.Top - src.Top));
  if (width <= 0 || height <= 0) return;
  int dx = clipped.Left - src.Left, dy = clipped.Top - src.Top;
  for (int y = 0; y < height; ++y)
    std::memcpy(dest.ScanLine(dy + y) + dx, source.ScanLine(clipped.Top + y) + clipped.Left,
                sizeof(uint32_t) * static_cast<size_t>(width));
}

namespace {

const char* const kPersonality = "Personality";

class TSkinParser {
public:
  TSkinParser(TSkinModel& model, const TIniFile& ini, const TSkinFileExtractor& extract)
      : m_(model), ini_(ini), extract_(extract) {}

  void Run() {
    m_.Empty = true;
    ReadBorders();
    ReadColours();
    ReadSysButtons();
    ReadButtons();
    ReadTitle();
    ReadElement(m_.Progress, "Progress", "Bitmap", false);
    ReadMenuBar();
    ReadElement(m_.GroupBoxEdge, "GroupBoxEdge", "Image", true);
    ReadElement(m_.Toolbar, "Toolbars", "Image", true);
    ReadTabs();
    ReadElement(m_.StatusBarEdge, "StatusBarEdges", "Image", true);
    ReadElement(m_.ComboButton, "ComboButton", "Image", true);
    ReadElement(m_.SunkEdge, "SunkEdge", "Image", true);
    ReadElement(m_.ExtraImages, "ExtraImages", "Image", true);
    ReadElement(m_.HeaderBar, "Headerbar", "Image", true);
    ReadElement(m_.MenuItem, "MenuItem", "Image", true);
    ReadElement(m_.MenuBackground, "MenuBackground", "Image", true);
    ReadElement(m_.ScrollBar, "Scrollbar", "Image", true);
    ReadElement(m_.HorzScroll, "HorzScroll", "Image", true);
    ReadElement(m_.VertScroll, "VertScroll", "Image", true);
    ReadElement(m_.HorzScrollThumb, "HorzScrollThumb", "Image", true);
    ReadElement(m_.VertScrollThumb, "VertScrollThumb", "Image", true);
    SetFrameCounts();
    SetStyles();
    m_.FaceBrush.Recreate(m_.colors[csButtonFace]);
    m_.Empty = false;
  }

private:
  int Int(const char* section, const std::string& key, int def) const { return ini_.ReadInteger(section, key, def); }
  std::string Str(const char* section, const std::string& key) const { return ini_.ReadString(section, key, ""); }
  TColor Colour(const char* section, const char* key) const {
    return StrToColour(Str(section, key), m_.colors[csButtonText]);
  }
  void Image(TBitmap& bitmap, const std::string& value) { LoadSkinImage(bitmap, value, extract_, temp_); }

  void ReadBorders() {
    for (int i = bdLeft; i <= bdBottom; ++i) {
      TDataSkinBorder& b = *m_.Borders[i];
      const std::string name = TSkinBorders::BorderName(i);
      Image(b.Bitmap, Str(kPersonality, name));
      int topHeight = Int(kPersonality, name + "TopHeight", 0);
      int botHeight = Int(kPersonality, name + "BotHeight", 0);
      // Side borders are vertical strips, top and bottom horizontal ones: the
      // same two keys size the fixed ends along the strip.
      if (i == bdLeft || i == bdRight)
        b.Margins = Rect(0, topHeight, 0, botHeight);
      else
        b.Margins = Rect(topHeight, 0, botHeight, 0);
      b.FrameCount = Int(kPersonality, name + "Frame", 1);
      b.Tile = Int(kPersonality, name + "Stretch", 1);
      b.Trans = Int(kPersonality, name + "Trans", 1);
    }
  }

  void ReadColours() {
    const char* section = "Colours";
    const std::string faceText = Str(section, "ButtonFace");
    for (const TSkinColorKey& k : SkinColorKeys) {
      TColor def = k.Default;
      std::string text = Str(section, k.Key);
      if (k.Index == csMenuBar) def = m_.colors[csButtonFace];
      if (k.Index == csMenuText && !ini_.ValueExists(section, k.Key)) text = faceText;
      m_.colors[k.Index] = StrToColour(text, def);
    }
  }

  static bool IsSysButtonSection(const std::string& name) {
    std::string upper = AnsiUpperAscii(name);
    return upper.rfind("BUTTON", 0) == 0 && upper != "BUTTONS" && upper != "BUTTON.RADIO" &&
           upper != "BUTTON.CHECKBOX";
  }

  void ReadSysButtons() {
    m_.SysButtons.clear();
    TStringList sections;
    ini_.ReadSections(sections);
    for (int i = sections.Count() - 1; i >= 0; --i)
      if (!IsSysButtonSection(sections[i])) sections.Delete(i);

    for (const std::string& section : sections) {
      auto b = std::make_unique<TDataSkinSysButton>(AnsiUpperAscii(section));
      const char* s = section.c_str();
      b->Action = Int(s, "Action", 0);
      b->Align = Int(s, "Align", 0);
      b->XCoord = Int(s, "Xcoord", 0);
      b->YCoord = Int(s, "Ycoord", 0);
      b->Visibility = Int(s, "Visibility", 0);
      b->Visibility1 = Int(s, "Visibility1", 0);
      b->FrameCount = Int(s, "frame", 0);
      Image(b->Bitmap, Str(s, "ButtonImage"));
      if (b->FrameCount == 0) {
        b->FrameCount = SysButtonFrameCount(0, b->Bitmap.Width(), b->Bitmap.Height(), b->Action);
        // These show the window's icon, which the form frame puts in later.
        if (b->Action == sbaIconA || b->Action == sbaIconB) b->Bitmap.Clear();
      }
      m_.SysButtons.push_back(std::move(b));
    }
    ReadMdiButtons();
  }

  void ReadMdiButtons() {
    const size_t first = m_.SysButtons.size();
    for (int k = 0; k < MdiButtonCount; ++k) {
      auto b = std::make_unique<TDataSkinSysButton>();
      b->Action = sbaMdiMinimize + k;
      b->Align = MdiButtonAlign;
      b->Visibility = MdiButtonVisibility;
      b->Visibility1 = 0;
      b->FrameCount = MdiButtonFrames;
      m_.SysButtons.push_back(std::move(b));
    }
    TBitmap strip;
    Image(strip, Str("MDICONTROLS", "Image"));
    if (strip.Empty()) return;
    for (int k = 0; k < MdiButtonCount; ++k) {
      TMdiStripPart part = MdiStripPart(strip.Width(), strip.Height(), k);
      TDataSkinSysButton& b = *m_.SysButtons[first + k];
      b.Bitmap.SetSize(part.Source.Width(), part.Source.Height());
      CopyBitmapRect(strip, part.Source, b.Bitmap);
      b.XCoord = part.XCoord;
    }
  }

  void ReadGeometry(TDataSkinObject& r, const char* s) {
    r.Margins = Rect(Int(s, "LeftWidth", 0), Int(s, "TopHeight", 0), Int(s, "RightWidth", 0), Int(s, "BottomHeight", 0));
    r.Trans = Int(s, "Trans", 0);
  }
  void ReadTextColours(TDataSkinObject& r, const char* s) {
    r.NormalColour = Colour(s, "NormalColour2");
    r.MouseOverColour = Colour(s, "MouseOverColour2");
    r.PressedColour = Colour(s, "PressedColour2");
  }

  void ReadButtons() {
    const char* s = "Buttons";
    TDataSkinButton& b = *m_.Buttons;
    ReadGeometry(b, s);
    b.Tile = 0;
    Image(b.Bitmap, Str(s, "Bitmap"));
    Image(b.CheckBitmap, Str(s, "CheckButton"));
    Image(b.RadioBitmap, Str(s, "RadioButton"));
    b.RadioFrameCount = Int(s, "RadioButtonFrame", 0);
    b.CheckFrameCount = Int(s, "CheckButtonFrame", 0);
    ReadTextColours(b, s);
  }

  void ReadTitle() {
    TDataSkinTitle& t = *m_.Title;
    Image(t.Bitmap, Str(kPersonality, "TextBack"));
    t.Margins = Rect(Int(kPersonality, "TextShift", 0), Int(kPersonality, "TextShiftVert", 0),
                     Int(kPersonality, "TextRightClip", 0), 0);
    t.TextAlignment = Int(kPersonality, "TextAlignment", 0);
    t.TextBackLeft = Int(kPersonality, "TXTBackleft", 0);
    t.TextBackRight = Int(kPersonality, "TXTBackRight", 0);
  }

  void ReadMenuBar() {
    m_.MenuBar.reset();
    std::string value = Str(kPersonality, "menuBar");
    if (value.empty()) return;
    auto r = std::make_unique<TDataSkinObject>(kPersonality);
    Image(r->Bitmap, value);
    r->Tile = Int(kPersonality, "TileMenu", 0);
    r->Margins = Rect(Int(kPersonality, "TileLeftMenu", 1), 0, Int(kPersonality, "TileRightMenu", 1), 0);
    m_.MenuBar = std::move(r);
  }

  // An optional element: the record exists only when its image key has a value.
  template <typename T>
  T* ReadElement(std::unique_ptr<T>& member, const char* section, const char* imageKey, bool withColours) {
    member.reset();
    std::string value = Str(section, imageKey);
    if (value.empty()) return nullptr;
    auto r = std::make_unique<T>(section);
    Image(r->Bitmap, value);
    ReadGeometry(*r, section);
    r->Tile = Int(section, "Tile", 0);
    if (withColours) ReadTextColours(*r, section);
    member = std::move(r);
    return member.get();
  }

  void ReadTabs() {
    TDataSkinBorder* tab = ReadElement(m_.Tab, "Tabs", "Image", true);
    if (!tab) return;
    std::string border = Str("Tabs", "Border");
    if (!border.empty()) Image(tab->Bitmap2, border);
  }

  static void SetCount(const std::unique_ptr<TDataSkinObject>& r, int count) {
    if (r) r->FrameCount = count;
  }

  void SetFrameCounts() {
    TDataSkinButton& b = *m_.Buttons;
    b.FrameCount = 5;
    if (b.RadioFrameCount == 0) b.RadioFrameCount = ToggleStripFrameCount(b.RadioBitmap.Width(), b.RadioBitmap.Height());
    if (b.CheckFrameCount == 0) b.CheckFrameCount = ToggleStripFrameCount(b.CheckBitmap.Width(), b.CheckBitmap.Height());
    m_.Title->FrameCount = 2;
    SetCount(m_.Progress, 2);
    SetCount(m_.MenuBar, 2);
    SetCount(m_.GroupBoxEdge, 2);
    SetCount(m_.Toolbar, 5);
    if (m_.Tab) m_.Tab->FrameCount = 5;
    SetCount(m_.StatusBarEdge, 3);
    SetCount(m_.ComboButton, 4);
    SetCount(m_.SunkEdge, 4);
    SetCount(m_.ExtraImages, 5);
    SetCount(m_.HeaderBar, 5);
    SetCount(m_.MenuItem, 5);
    SetCount(m_.MenuBackground, 1);
    SetCount(m_.ScrollBar, 23);
    SetCount(m_.HorzScroll, 4);
    SetCount(m_.VertScroll, 4);
    SetCount(m_.HorzScrollThumb, Int("HorzScrollThumb", "FrameCount", 3));
    SetCount(m_.VertScrollThumb, Int("VertScrollThumb", "FrameCount", 3));
    ClampFrameCounts();
  }

  // Counts taken from keys can be 0, negative or huge; every reader divides
  // an image by its count, so the model hands out 1..MaxElementFrames.
  void ClampFrameCounts() {
    auto clamp = [](int32_t& count) { count = BoundedFrames(count); };
    for (int i = bdLeft; i <= bdBottom; ++i) clamp(m_.Borders[i]->FrameCount);
    for (auto& b : m_.SysButtons) clamp(b->FrameCount);
    clamp(m_.Buttons->RadioFrameCount);
    clamp(m_.Buttons->CheckFrameCount);
    if (m_.HorzScrollThumb) clamp(m_.HorzScrollThumb->FrameCount);
    if (m_.VertScrollThumb) clamp(m_.VertScrollThumb->FrameCount);
  }

  // Whether a section's Tile or Trans key reaches its style, or the way every
  // painter draws that element fixes the value.
  enum class TKey : uint8_t { Read, Off, On };
  static int Use(TKey use, int value) { return use == TKey::Read ? value : use == TKey::On ? 1 : 0; }
  static void SetSectionStyle(TDataSkinObject* r, TKey tile, TKey trans) {
    if (r) r->Style = SectionStyle(Use(tile, r->Tile), Use(trans, r->Trans), r->FrameCount);
  }

  void SetStyles() {
    for (int i = bdLeft; i <= bdBottom; ++i) {
      TDataSkinBorder& b = *m_.Borders[i];
      b.Style = BorderStyle(i == bdTop || i == bdBottom, b.Tile, b.Trans, b.FrameCount);
    }
    m_.Title->Style = TitleStyle();
    SetSectionStyle(m_.Buttons.get(), TKey::Off, TKey::Read);  // no Tile key
    for (auto& b : m_.SysButtons) {
      // Title-bar buttons are keyed glyphs; icon buttons show one frame, the icon.
      const bool icon = b->Action == sbaIconA || b->Action == sbaIconB;
      b->Style = SectionStyle(0, 1, icon ? 1 : b->FrameCount);
    }
    if (m_.MenuBar) m_.MenuBar->Style = MenuBarStyle(m_.MenuBar->Tile);
    for (TDataSkinObject* r : {m_.GroupBoxEdge.get(), m_.Toolbar.get(), static_cast<TDataSkinObject*>(m_.Tab.get()),
                               m_.SunkEdge.get(), m_.MenuItem.get(), m_.HorzScroll.get(), m_.VertScroll.get()})
      SetSectionStyle(r, TKey::Read, TKey::Read);
    // Drawn as glyphs: one frame stretched with the key left out.
    for (TDataSkinObject* r : {m_.ScrollBar.get(), m_.ComboButton.get(), m_.ExtraImages.get()})
      SetSectionStyle(r, TKey::Read, TKey::On);
    // Status panels, header items and the popup frame are put down opaque.
    for (TDataSkinObject* r : {m_.StatusBarEdge.get(), m_.HeaderBar.get(), m_.MenuBackground.get()})
      SetSectionStyle(r, TKey::Read, TKey::Off);
    SetSectionStyle(m_.Progress.get(), TKey::Read, TKey::On);  // its trough is always keyed
    // Thumbs are always stretched.
    SetSectionStyle(m_.HorzScrollThumb.get(), TKey::Off, TKey::Read);
    SetSectionStyle(m_.VertScrollThumb.get(), TKey::Off, TKey::Read);
  }

  TSkinModel& m_;
  const TIniFile& ini_;
  const TSkinFileExtractor& extract_;
  TMemoryStream temp_;
};

}  // namespace

void TSkinModel::ParseSkin(const TIniFile& ini, const TSkinFileExtractor& extract) {
  TSkinParser(*this, ini, extract).Run();
}

void TSkinModel::ParseSkin(const std::string& fileName, const TSkinFileExtractor& extract) {
  TIniFile ini(fileName);
  ParseSkin(ini, extract);
}

}  // namespace pelorin
