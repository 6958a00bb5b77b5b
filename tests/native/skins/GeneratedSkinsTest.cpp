// The generated skins: each loads through the skin model as its theme means
// it, together they cover the variants, and they survive pack and unpack.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "host/core/Streams.h"
#include "paint/DrawElement.h"
#include "paint/PaintTypes.h"
#include "skinmodel/SkinModel.h"
#include "tests/support/Files.h"
#include "tests/support/SkinFixtures.h"
#include "tools/skingen/SkinBuild.h"
#include "tools/skingen/SkinOutput.h"
#include "tools/skintool/Commands.h"

using namespace pelorin;
using namespace pelorin::skingen;
namespace fs = std::filesystem;

namespace {

TColor ColourOf(TPixel p) { return ColorFromPixel(p); }

void Load(const TSkinTheme& theme, TSkinModel& model) {
  ASSERT_TRUE(pelorin::testing::LoadArchive(model, pelorin::testing::ThemeArchive(theme))) << theme.Name;
  ASSERT_FALSE(model.Empty) << theme.Name;
}

std::vector<uint8_t> ReadFile(const fs::path& p) { return pelorin::testing::ReadFileBytes(p); }

int Tool(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int code = skintool::RunTool(args, out, err);
  EXPECT_EQ(err.str(), "") << args[0];
  return code;
}

// The popup frame of a loaded skin as the popup skinner composes it.
void ExpectPopupFrameInTheSkinsColours(const TSkinTheme& t, const TSkinModel& m) {
  if (t.Minimal) return;  // the system frames its popups
  ASSERT_TRUE(m.MenuBackground);
  const int w = 160, h = 120;
  TBitmap frame(w, h);
  DrawElement(frame, {0, 0, w, h}, *m.MenuBackground, 1);
  // Items take their background from inside the frame.
  EXPECT_EQ(frame.GetPixel(w / 2, h / 2), ColourOf(t.P.Menu));
  // The 3-pixel rim stays within the range of the skin's own chrome, so a
  // dark skin gets no light rim.
  const TPixel chrome[] = {t.P.Frame, t.P.FrameBody, t.P.Face,   t.P.Menu,
                           t.P.MenuBar, t.P.Light,   t.P.Shadow, t.P.DkShadow};
  int low[3] = {255, 255, 255}, high[3] = {0, 0, 0};
  for (TPixel p : chrome) {
    const TColor c = ColourOf(p);
    const int ch[3] = {RValue(c), GValue(c), BValue(c)};
    for (int k = 0; k < 3; ++k) low[k] = std::min(low[k], ch[k]), high[k] = std::max(high[k], ch[k]);
  }
  int outside = 0, light = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (x >= 3 && x < w - 3 && y >= 3 && y < h - 3) continue;
      const TColor c = frame.GetPixel(x, y);
      const int ch[3] = {RValue(c), GValue(c), BValue(c)};
      for (int k = 0; k < 3; ++k) outside += ch[k] < low[k] || ch[k] > high[k];
      light += std::min({ch[0], ch[1], ch[2]}) > 160;
    }
  EXPECT_EQ(outside, 0);
  if (t.Dark) {
    EXPECT_EQ(light, 0);
  }
}

}  // namespace

TEST(GeneratedSkins, EachLoadsAsItsThemeMeansWithPopupFramesInItsColours) {
  for (const TSkinTheme& t : AllThemes()) {
    SCOPED_TRACE(t.Name);
    TSkinModel m;
    Load(t, m);
    const int frames = t.TwoFrames ? 2 : 1;
    const bool keyed = t.CornerRadius > 0 || t.BottomRadius > 0;
    for (int i = bdLeft; i <= bdBottom; ++i) {
      const TDataSkinBorder& b = *m.Borders[i];
      ASSERT_FALSE(b.Bitmap.Empty()) << i;
      EXPECT_EQ(b.FrameCount, frames) << i;
      EXPECT_EQ(b.Tile == 1, !t.Tiled) << i;
      // The minimal skin leaves Trans to its default, 1, with nothing keyed.
      EXPECT_EQ(b.Trans, keyed || t.Minimal ? 1 : 0) << i;
    }
    EXPECT_EQ(m.Borders[bdLeft]->Bitmap.Width() / frames, t.BorderWidth);
    EXPECT_EQ(m.Borders[bdTop]->Bitmap.Height() / frames, t.TitleHeight);
    EXPECT_EQ(m.Borders[bdBottom]->Bitmap.Height() / frames, t.BottomHeight);
    EXPECT_EQ(m.Borders[bdRight]->Margins.Top, t.TitleHeight);
    EXPECT_EQ(m.Borders[bdRight]->Margins.Bottom, t.BottomHeight);
    // Rounded corners are key-coloured in the corner pixel; square ones are not.
    EXPECT_EQ(m.Borders[bdLeft]->Bitmap.GetPixel(0, 0) == TransparentKeyColour, t.CornerRadius > 0);

    EXPECT_EQ(m.Title->TextAlignment, t.TextAlignment);
    EXPECT_EQ(m.Title->Bitmap.Empty(), !t.TextBack);
    EXPECT_EQ(m.Title->TextBackLeft, t.TextBackLeft);

    EXPECT_FALSE(m.Buttons->Bitmap.Empty());
    EXPECT_EQ(m.Buttons->Bitmap.Width(), 5 * 24);
    EXPECT_EQ(m.Buttons->CheckFrameCount, 4);
    EXPECT_EQ(m.Buttons->RadioFrameCount, 4);
    EXPECT_EQ(m.Buttons->CheckBitmap.Width(), 4 * t.CheckSize);
    EXPECT_EQ(m.Buttons->Trans, t.ControlRadius > 0 ? 1 : 0);

    const std::vector<TTitleButton> meant = TitleButtons(t);
    ASSERT_EQ(m.SysButtons.size(), meant.size() + 3);
    bool hasIcon = false;
    for (size_t i = 0; i < meant.size(); ++i) {
      const TDataSkinSysButton& b = *m.SysButtons[i];
      EXPECT_EQ(b.Action, meant[i].Action) << i;
      EXPECT_EQ(b.Align, meant[i].Align) << i;
      EXPECT_EQ(b.XCoord, meant[i].XCoord) << i;
      EXPECT_EQ(b.Visibility1, meant[i].Visibility1) << i;
      if (b.Action == sbaIconA) {
        hasIcon = true;
        EXPECT_TRUE(b.Bitmap.Empty());
      } else {
        EXPECT_EQ(b.FrameCount, meant[i].Frames) << i;
        EXPECT_EQ(b.Bitmap.Width(), meant[i].Frames * t.ButtonSize) << i;
      }
    }
    EXPECT_TRUE(hasIcon);
    for (size_t i = meant.size(); i < m.SysButtons.size(); ++i) EXPECT_EQ(m.SysButtons[i]->Bitmap.Empty(), t.Minimal);

    for (const auto& r : m.OptionalRecords()) {
      EXPECT_EQ(r.Record != nullptr && !r.Record->Bitmap.Empty(), !t.Minimal) << r.Member;
    }
    if (!t.Minimal) {
      EXPECT_FALSE(m.Tab->Bitmap2.Empty());
      EXPECT_EQ(m.ScrollBar->Bitmap.Width(), 23 * 16);
      EXPECT_EQ(m.VertScrollThumb->FrameCount, 3);
      EXPECT_EQ(m.VertScroll->Bitmap.Width() / 4, 16);
      EXPECT_EQ(m.MenuBar->Bitmap.Height() % 2, 0);
      EXPECT_EQ(m.MenuItem->Bitmap.Width() % 5, 0);
    }

    EXPECT_EQ(m.colors[csButtonFace], ColourOf(t.P.Face));
    EXPECT_EQ(m.colors[csButtonText], ColourOf(t.P.Text));
    EXPECT_EQ(m.colors[csHilight], ColourOf(t.P.Hilight));
    EXPECT_EQ(m.colors[csMenuBar], ColourOf(t.P.MenuBar));
    EXPECT_EQ(m.colors[csScrollbar], ColourOf(t.P.Scrollbar));
    EXPECT_EQ(m.colors[csTitleTextInactive], ColourOf(t.P.TitleText));
    ExpectPopupFrameInTheSkinsColours(t, m);
  }
}

TEST(GeneratedSkins, TogetherCoverTheVariants) {
  std::set<std::string> names;
  std::set<int> alignments;
  int tiled = 0, stretched = 0, keyed = 0, opaque = 0, single = 0, two = 0, textBack = 0, dark = 0, light = 0, minimal = 0;
  int postsAction = 0, decoration = 0;
  for (const TSkinTheme& t : AllThemes()) {
    names.insert(t.FileName);
    alignments.insert(t.TextAlignment);
    (t.Tiled ? tiled : stretched)++;
    (t.CornerRadius > 0 ? keyed : opaque)++;
    (t.TwoFrames ? two : single)++;
    (t.Dark ? dark : light)++;
    textBack += t.TextBack;
    minimal += t.Minimal;
    for (const TExtraButton& e : t.ExtraButtons) {
      // Codes without a built-in meaning reach the application as a message.
      const std::set<int> builtIn{0, 1, 2, 3, 7, 8, 9, 11, 12, 22, 23, 60, 61, 62};
      if (e.Action < 0) ++decoration;
      else if (!builtIn.count(e.Action)) ++postsAction;
    }
    // Every description carries a section the system does not read.
    const std::string ini = BuildSkin(t).Description;
    EXPECT_NE(ini.find("[Skin]\r\n"), std::string::npos) << t.Name;
  }
  EXPECT_GE(names.size(), 6u);
  EXPECT_EQ(alignments, (std::set<int>{0, 1, 2}));
  EXPECT_TRUE(tiled && stretched && keyed && opaque && single && two && textBack && dark && light);
  EXPECT_EQ(minimal, 1);
  EXPECT_GE(postsAction, 1);
  EXPECT_GE(decoration, 1);
}

TEST(GeneratedSkins, PackAndUnpackRoundTripExactly) {
  const fs::path root = fs::temp_directory_path() / "pelorin_generated_skins_test";
  fs::remove_all(root);
  const TSkinTheme& theme = AllThemes()[1];
  const TSkinSource source = BuildSkin(theme);
  WriteArchive(source, root / "a.skn");
  ASSERT_EQ(Tool({"unpack", (root / "a.skn").string(), "-o", (root / "one").string()}), 0);
  // Unpacking gives the generator's files byte for byte.
  size_t count = 0;
  for (const auto& [name, bytes] : SkinFiles(source)) {
    EXPECT_EQ(ReadFile(root / "one" / name), bytes) << name;
    ++count;
  }
  EXPECT_EQ(size_t(std::distance(fs::directory_iterator(root / "one"), fs::directory_iterator())), count);
  // Packing that folder and unpacking again changes nothing; packing twice gives the same archive.
  ASSERT_EQ(Tool({"pack", (root / "one").string(), "-o", (root / "b.skn").string()}), 0);
  ASSERT_EQ(Tool({"unpack", (root / "b.skn").string(), "-o", (root / "two").string()}), 0);
  ASSERT_EQ(Tool({"pack", (root / "two").string(), "-o", (root / "c.skn").string()}), 0);
  for (const auto& [name, bytes] : SkinFiles(source)) EXPECT_EQ(ReadFile(root / "two" / name), ReadFile(root / "one" / name)) << name;
  EXPECT_EQ(ReadFile(root / "b.skn"), ReadFile(root / "c.skn"));
  // The repacked archive is the same skin.
  TSkinModel m;
  ASSERT_TRUE(pelorin::testing::LoadArchive(m, ReadFile(root / "b.skn")));
  EXPECT_EQ(m.Title->TextAlignment, theme.TextAlignment);
  EXPECT_EQ(m.SysButtons.size(), TitleButtons(theme).size() + 3);
  fs::remove_all(root);
}

#ifndef _WIN32
TEST(GeneratedSkins, PreviewWritesAPngOfTheAskedSize) {
  const fs::path root = fs::temp_directory_path() / "pelorin_preview_test";
  fs::remove_all(root);
  WriteArchive(BuildSkin(AllThemes()[0]), root / "s.skn");
  const std::string png = (root / "s.png").string();
  ASSERT_EQ(Tool({"preview", (root / "s.skn").string(), "-o", png, "--size", "400x300", "--inactive"}), 0);
  const std::vector<uint8_t> raw = ReadFile(png);
  const std::string bytes(raw.begin(), raw.end());
  ASSERT_GT(bytes.size(), 33u);
  EXPECT_EQ(bytes.substr(1, 3), "PNG");
  auto be32 = [&](size_t at) {
    return uint32_t(uint8_t(bytes[at])) << 24 | uint32_t(uint8_t(bytes[at + 1])) << 16 | uint32_t(uint8_t(bytes[at + 2])) << 8 |
           uint32_t(uint8_t(bytes[at + 3]));
  };
  EXPECT_EQ(be32(16), 440u);  // the window plus a 20-pixel margin on each side
  EXPECT_EQ(be32(20), 340u);
  std::ostringstream out, err;
  EXPECT_EQ(skintool::RunTool({"preview", (root / "s.skn").string(), "-o", png, "--size", "40x"}, out, err), skintool::ExitUsage);
  EXPECT_EQ(skintool::RunTool({"preview", (root / "missing.skn").string(), "-o", png}, out, err), skintool::ExitRefused);
  fs::remove_all(root);
}
#endif
