// The description parser on descriptions and images held in memory.
#include <gtest/gtest.h>

#include <map>

#include "host/core/IniFile.h"
#include "host/core/StringList.h"
#include "skinmodel/SkinModel.h"
#include "skinmodel/SkinRules.h"
#include "tests/support/BmpFiles.h"

using namespace pelorin;
using namespace pelorin::testing;

namespace {

// Parses text with the given archive files (names as stored: lower case).
struct TParsed {
  std::map<std::string, TBytes> files;
  TSkinModel model;
  void Parse(const std::string& text) {
    model.ParseSkin(TIniFile::FromText(text), [this](const std::string& name, TMemoryStream& dest) {
      dest.Clear();
      auto it = files.find(AnsiLowerAscii(name));
      if (it != files.end()) dest.Assign(it->second.data(), it->second.size());
    });
  }
};

}  // namespace

TEST(SkinParser, ColourTableDefaultsAndSharedKeys) {
  TParsed p;
  EXPECT_EQ(p.model.colors[csButtonFace], 0);  // black before the first load
  p.Parse("[Colours]\n");
  EXPECT_FALSE(p.model.Empty);
  EXPECT_EQ(p.model.colors[csTitleTextActive], clCaptionText);
  EXPECT_EQ(p.model.colors[csTitleTextInactive], clInactiveCaptionText);
  EXPECT_EQ(p.model.colors[csMenuBar], clBtnFace);
  EXPECT_EQ(p.model.colors[csMenuText], clMenuText);
  EXPECT_EQ(p.model.Buttons->NormalColour, clBtnText);
  EXPECT_EQ(p.model.FaceBrush.Color(), ColorToRGB(clBtnFace));
#ifdef _WIN32
  EXPECT_NE(p.model.FaceBrush.Handle(), nullptr);  // a real GDI brush
#endif

  p.Parse("[Colours]\nButtonFace=10 20 30\nTitleTextActive=1 2 3\nButtonText=4 5 6\n"
          "[Buttons]\nPressedColour2=7 8 9\n");
  EXPECT_EQ(p.model.colors[csTitleTextActive], MakeRGB(1, 2, 3));
  EXPECT_EQ(p.model.colors[csTitleTextInactive], MakeRGB(1, 2, 3));
  // Menu bar and menu text follow the button face when not given.
  EXPECT_EQ(p.model.colors[csMenuBar], MakeRGB(10, 20, 30));
  EXPECT_EQ(p.model.colors[csMenuText], MakeRGB(10, 20, 30));
  EXPECT_EQ(p.model.Buttons->NormalColour, MakeRGB(4, 5, 6));
  EXPECT_EQ(p.model.Buttons->PressedColour, MakeRGB(7, 8, 9));
  EXPECT_EQ(p.model.FaceBrush.Color(), MakeRGB(10, 20, 30));

  p.Parse("[Colours]\nButtonFace=10 20 30\nMenuText=\nMenubar=1 1 1\n");
  EXPECT_EQ(p.model.colors[csMenuText], clMenuText);  // present but empty: the default
  EXPECT_EQ(p.model.colors[csMenuBar], MakeRGB(1, 1, 1));
}

TEST(SkinParser, BordersTitleAndMenuBar) {
  TParsed p;
  p.files["left.bmp"] = BmpFile(4, 30);
  p.Parse("[Personality]\nLeft=skins\\Left.bmp\nLeftTopHeight=5\nLeftBotHeight=6\nLeftFrame=2\n"
          "TopTopHeight=7\nTopBotHeight=8\nTopStretch=0\nTopTrans=0\nBottomFrame=0\n"
          "TextShift=3\nTextShiftVert=4\nTextRightClip=9\nTextAlignment=2\nTXTBackleft=11\n"
          "menuBar=menu.bmp\n");
  TDataSkinBorder& left = *p.model.Borders[bdLeft];
  EXPECT_EQ(left.Bitmap.Width(), 4);
  EXPECT_EQ(left.Margins, Rect(0, 5, 0, 6));
  EXPECT_EQ(left.FrameCount, 2);
  EXPECT_EQ(left.Tile, 1);
  EXPECT_EQ(left.Trans, 1);
  TDataSkinBorder& top = *p.model.Borders[bdTop];
  EXPECT_EQ(top.Margins, Rect(7, 0, 8, 0));
  EXPECT_EQ(top.Tile, 0);
  EXPECT_EQ(top.Trans, 0);
  EXPECT_EQ(top.FrameCount, 1);
  EXPECT_TRUE(top.Bitmap.Empty());
  EXPECT_EQ(p.model.Borders[bdBottom]->FrameCount, 1);  // 0 would divide by zero
  EXPECT_THROW(p.model.Borders[0], EListError);
  EXPECT_THROW(p.model.Borders[5], EListError);

  EXPECT_EQ(p.model.Title->Margins, Rect(3, 4, 9, 0));

  // The menu bar record exists for a named image even when the archive lacks it.
  ASSERT_TRUE(p.model.MenuBar);
  EXPECT_EQ(p.model.MenuBar->Name, "Personality");
  EXPECT_EQ(p.model.MenuBar->Margins, Rect(1, 0, 1, 0));
  EXPECT_EQ(p.model.MenuBar->FrameCount, 2);
  EXPECT_TRUE(p.model.MenuBar->Bitmap.Empty());
}

TEST(SkinParser, TitleBarAndMdiButtons) {
  TParsed p;
  p.files["b60.bmp"] = BmpFile(60, 18);
  p.files["b120.bmp"] = BmpFile(120, 18);
  // Three groups of four 16-pixel frames, one colour per group.
  p.files["mdi.bmp"] = BmpFile(192, 14, [](int x, int) { return MakeRGB(x / 64 * 100, 1, 2); });
  p.Parse("[Button0]\nAction=1\nAlign=1\nXcoord=20\nYcoord=4\nButtonImage=b60.bmp\n"
          "[Buttons]\n[Button.Radio]\n[button1]\nButtonImage=b120.bmp\nVisibility=2\nVisibility1=5\n"
          "[Button2]\nAction=-1\nButtonImage=b60.bmp\n"
          "[Button3]\nAction=3\nButtonImage=b60.bmp\n"
          "[Button4]\nAction=11\nframe=2\nButtonImage=b60.bmp\n"
          "[Button.CheckBox]\n[MDICONTROLS]\nImage=mdi.bmp\n");
  auto& sb = p.model.SysButtons;
  ASSERT_EQ(sb.size(), 8u);
  EXPECT_EQ(sb[0]->Name, "BUTTON0");
  EXPECT_EQ(sb[0]->XCoord, 20);
  EXPECT_EQ(sb[0]->FrameCount, 3);
  EXPECT_EQ(sb[1]->Name, "BUTTON1");
  EXPECT_EQ(sb[1]->FrameCount, 6);
  EXPECT_EQ(sb[2]->FrameCount, 6);
  // Icon buttons drop their image unless the section gives a frame count.
  EXPECT_TRUE(sb[3]->Bitmap.Empty());
  EXPECT_EQ(sb[3]->FrameCount, 3);
  EXPECT_FALSE(sb[4]->Bitmap.Empty());
  EXPECT_EQ(sb[4]->FrameCount, 2);

  const int xcoords[3] = {60, 40, 20};
  for (int k = 0; k < 3; ++k) {
    const TDataSkinSysButton& m = *sb[5 + k];
    EXPECT_EQ(m.Action, 7 + k);
    EXPECT_EQ(m.Align, 100);
    EXPECT_EQ(m.XCoord, xcoords[k]);
    ASSERT_EQ(m.Bitmap.Width(), 64);
    ASSERT_EQ(m.Bitmap.Height(), 14);
    EXPECT_EQ(m.Bitmap.GetPixel(0, 0), MakeRGB(k * 100, 1, 2));
    EXPECT_EQ(m.Bitmap.GetPixel(63, 13), MakeRGB(k * 100, 1, 2));
  }

  // A reload rebuilds the list; without MDICONTROLS the MDI buttons have no image.
  p.Parse("[Personality]\n");
  ASSERT_EQ(p.model.SysButtons.size(), 3u);
  EXPECT_TRUE(p.model.SysButtons[0]->Bitmap.Empty());
  EXPECT_EQ(p.model.SysButtons[0]->XCoord, 0);
}

TEST(SkinParser, ElementSectionsAndFrameCounts) {
  TParsed p;
  p.files["radio.bmp"] = BmpFile(52, 13);
  p.files["check.bmp"] = BmpFile(160, 20);
  p.files["tab.bmp"] = BmpFile(50, 20);
  p.files["tabborder.bmp"] = BmpFile(9, 9);
  p.Parse("[Colours]\nButtonText=1 2 3\n"
          "[Buttons]\nLeftWidth=1\nTopHeight=2\nRightWidth=3\nBottomHeight=4\nTrans=1\nTile=1\n"
          "RadioButton=radio.bmp\nCheckButton=check.bmp\n"
          "[Tabs]\nImage=tab.bmp\nBorder=tabborder.bmp\nTile=1\nMouseOverColour2=9 9 9\n"
          "[Progress]\nBitmap=p.bmp\nLeftWidth=2\nTile=1\nNormalColour2=5 5 5\n"
          "[Scrollbar]\nImage=sb.bmp\n[ComboButton]\nImage=\n"
          "[HorzScrollThumb]\nImage=h.bmp\nFrameCount=7\n[VertScrollThumb]\nImage=v.bmp\nFrameCount=0\n"
          "[MenuBackground]\nImage=mb.BMP\n");
  const TDataSkinButton& b = *p.model.Buttons;
  EXPECT_EQ(b.Margins, Rect(1, 2, 3, 4));
  EXPECT_EQ(b.Tile, 0);  // push buttons have no tile key
  EXPECT_EQ(b.RadioFrameCount, 4);
  EXPECT_EQ(b.CheckFrameCount, 10);

  ASSERT_TRUE(p.model.Tab);
  EXPECT_EQ(p.model.Tab->Bitmap2.Width(), 9);
  EXPECT_EQ(p.model.Tab->NormalColour, MakeRGB(1, 2, 3));
  EXPECT_EQ(p.model.Tab->MouseOverColour, MakeRGB(9, 9, 9));
  // Progress reads geometry only: its colour keys are ignored.
  ASSERT_TRUE(p.model.Progress);
  EXPECT_EQ(p.model.Progress->Tile, 1);
  EXPECT_EQ(p.model.Progress->NormalColour, 0);
  EXPECT_EQ(p.model.Progress->FrameCount, 2);
  EXPECT_EQ(p.model.ScrollBar->FrameCount, 23);
  EXPECT_EQ(p.model.HorzScrollThumb->FrameCount, 7);
  EXPECT_EQ(p.model.VertScrollThumb->FrameCount, 1);
  // An image value in capitals still creates the record, with no image.
  ASSERT_TRUE(p.model.MenuBackground);
  EXPECT_TRUE(p.model.MenuBackground->Bitmap.Empty());
  EXPECT_FALSE(p.model.ComboButton);
  EXPECT_FALSE(p.model.Toolbar);

  // A reload without the sections drops the optional records.
  p.Parse("[Buttons]\nRadioButtonFrame=3\n");
  EXPECT_FALSE(p.model.Tab);
  EXPECT_FALSE(p.model.Progress);
  EXPECT_FALSE(p.model.HorzScrollThumb);
  EXPECT_TRUE(p.model.Buttons->RadioBitmap.Empty());
  EXPECT_EQ(p.model.Buttons->RadioFrameCount, 3);
  EXPECT_EQ(p.model.Buttons->CheckFrameCount, 4);
}

TEST(SkinParser, StylesNormaliseEachElementsKeys) {
  using F = TElementFill;
  using S = TElementSlicing;
  // Records nothing has parsed draw one frame stretched and opaque; the
  // model's fixed records take their place's style (the top border stacks
  // its frames and tiles, as without keys; the caption back is a keyed strip).
  TParsed p;
  const TElementStyle plain{F::Stretch, false, 1, false, S::NineSlice, false};
  EXPECT_EQ(TDataSkinObject().Style, plain);
  EXPECT_EQ(p.model.Borders[bdTop]->Style, (TElementStyle{F::Tile, false, 1, true, S::NineSlice, false}));
  EXPECT_EQ(p.model.Title->Style, TitleStyle());

  const std::string huge = "2147483647";
  p.Parse("[Personality]\nLeftStretch=1\nLeftTrans=0\nLeftFrame=-4\nRightStretch=2\nRightTrans=2\nRightFrame=" +
          huge + "\nTopStretch=0\nTopFrame=0\nBottomFrame=3\nmenuBar=m.bmp\nTileMenu=1\n"
          "[Buttons]\nTrans=1\nTile=1\nRadioButtonFrame=-2\nCheckButtonFrame=" + huge + "\n"
          "[MenuItem]\nImage=i.bmp\nTile=1\nTrans=1\n[Toolbars]\nImage=t.bmp\nTile=2\nTrans=2\n"
          "[Progress]\nBitmap=p.bmp\nTrans=0\n[StatusBarEdges]\nImage=s.bmp\nTrans=1\n[Scrollbar]\nImage=a.bmp\n"
          "[HorzScrollThumb]\nImage=h.bmp\nTile=1\nTrans=1\nFrameCount=-7\n"
          "[VertScrollThumb]\nImage=v.bmp\nFrameCount=40000\n"
          "[Button0]\nAction=3\nframe=2\nButtonImage=b.bmp\n[Button1]\nframe=-1\n");
  // Borders: Stretch 1 stretches and anything else tiles; Trans 1 shapes the
  // window but the border itself is composed opaque; top and bottom stack.
  EXPECT_EQ(p.model.Borders[bdLeft]->Style, (TElementStyle{F::Stretch, false, 1, false, S::NineSlice, false}));
  EXPECT_EQ(p.model.Borders[bdRight]->Style,
            (TElementStyle{F::Tile, false, MaxElementFrames, false, S::NineSlice, false}));
  EXPECT_EQ(p.model.Borders[bdTop]->Style, (TElementStyle{F::Tile, false, 1, true, S::NineSlice, true}));
  EXPECT_EQ(p.model.Borders[bdBottom]->Style, (TElementStyle{F::Stretch, false, 3, true, S::NineSlice, true}));
  EXPECT_EQ(p.model.Borders[bdRight]->FrameCount, MaxElementFrames);  // the raw count is bounded alike
  EXPECT_EQ(p.model.Title->Style, TitleStyle());
  EXPECT_EQ(p.model.MenuBar->Style, (TElementStyle{F::Stretch, false, 2, true, S::NineSlice, false}));

  // Sections: Tile 1 tiles and Trans 1 keys, other values do neither.
  EXPECT_EQ(p.model.MenuItem->Style, (TElementStyle{F::Tile, true, 5, false, S::NineSlice, false}));
  EXPECT_EQ(p.model.Toolbar->Style, (TElementStyle{F::Stretch, false, 5, false, S::NineSlice, false}));
  // Push buttons have no Tile key.
  EXPECT_EQ(p.model.Buttons->Style, (TElementStyle{F::Stretch, true, 5, false, S::NineSlice, false}));
  EXPECT_EQ(p.model.Buttons->RadioFrameCount, 1);
  EXPECT_EQ(p.model.Buttons->CheckFrameCount, MaxElementFrames);
  // Painters that fix keying or fill whatever the keys say.
  EXPECT_TRUE(p.model.Progress->Style.Keyed);
  EXPECT_FALSE(p.model.StatusBarEdge->Style.Keyed);
  EXPECT_TRUE(p.model.ScrollBar->Style.Keyed);
  EXPECT_EQ(p.model.ScrollBar->Style.Frames, 23);
  EXPECT_EQ(p.model.HorzScrollThumb->Style, (TElementStyle{F::Stretch, true, 1, false, S::NineSlice, false}));
  EXPECT_EQ(p.model.VertScrollThumb->Style.Frames, MaxElementFrames);
  // Title-bar buttons are keyed; an icon button shows one frame, the icon.
  const auto& sb = p.model.SysButtons;
  EXPECT_EQ(sb[0]->Style, (TElementStyle{F::Stretch, true, 1, false, S::NineSlice, false}));
  EXPECT_EQ(sb[0]->FrameCount, 2);
  EXPECT_EQ(sb[1]->Style.Frames, 1);
  EXPECT_EQ(sb[2]->Style.Frames, MdiButtonFrames);

  // Without TileMenu the bar is a strip; without their sections the records go.
  p.Parse("[Personality]\nmenuBar=m.bmp\n");
  EXPECT_EQ(p.model.MenuBar->Style.Slicing, S::Strip);
  EXPECT_EQ(p.model.Borders[bdLeft]->Style, (TElementStyle{F::Stretch, false, 1, false, S::NineSlice, true}));
  EXPECT_FALSE(p.model.MenuItem);
}
