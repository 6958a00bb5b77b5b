// The preview picture (native build only: it draws text with FreeType): key
// colours never reach the picture, rounded corners show the backdrop, and the
// frame, title-bar buttons included, is the form frame's own layout and
// composition.
#ifndef _WIN32
#include <gtest/gtest.h>

#include "formframe/FrameCompose.h"
#include "formframe/FrameLayout.h"
#include "host/core/Streams.h"
#include "skinmodel/SkinModel.h"
#include "tests/support/SkinFixtures.h"
#include "tools/skingen/SkinBuild.h"
#include "tools/skintool/PreviewRender.h"

using namespace pelorin;
using namespace pelorin::skingen;
using pelorin::skintool::PreviewMargin;

namespace {

const std::string FontDir = "/usr/share/fonts/truetype/dejavu/";

const skintool::TPreviewFonts& Fonts() {
  static const skintool::TPreviewFont bold(FontDir + "DejaVuSans-Bold.ttf", 12), text(FontDir + "DejaVuSans.ttf", 12);
  static const skintool::TPreviewFonts fonts{bold, text};
  return fonts;
}

TBitmap Render(const TSkinTheme& theme, bool active, TSkinModel& m) {
  EXPECT_TRUE(pelorin::testing::LoadArchive(m, pelorin::testing::ThemeArchive(theme)));
  skintool::TPreviewOptions o;
  o.Active = active;
  return skintool::RenderPreview(m, o, Fonts());
}

// The sample window laid out by the form frame: a sizeable, normal main
// window with a system menu, minimise and maximise boxes and a menu bar.
TFrameLayout SampleLayout(const TSkinModel& m, bool active, const std::vector<TTitleButtonInput>& buttons) {
  const skintool::TPreviewOptions o;
  const std::string caption = o.Caption + skintool::PreviewCaptionSuffix;
  TFrameQuery q;
  q.Window = {o.Width, o.Height};
  q.Facts.Kind = frSizeable;
  q.Facts.SavedStyles = ssSysMenu | ssMinimizeBox | ssMaximizeBox;
  q.Facts.Active = active;
  q.Facts.HasMenuBar = true;
  q.Metrics = MeasureFrame(m, frSizeable, skintool::PreviewMenuBarHeight);
  q.CaptionText = {Fonts().Caption.TextWidth(caption), Fonts().Caption.LineHeight()};
  q.Buttons = buttons;
  return LayOutFrame(m, q);
}

}  // namespace

TEST(PreviewRender, NoKeyColourAndCornersFollowTheSkin) {
  for (const TSkinTheme& t : AllThemes())
    for (bool active : {true, false}) {
      SCOPED_TRACE(t.Name + (active ? " active" : " inactive"));
      TSkinModel m;
      const TBitmap p = Render(t, active, m);
      ASSERT_EQ(p.Width(), 540 + 2 * PreviewMargin);
      int key = 0;
      for (int y = 0; y < p.Height(); ++y)
        for (int x = 0; x < p.Width(); ++x) key += p.ScanLine(y)[x] == KeyPixel;
      EXPECT_EQ(key, 0);
      // The window's top-left pixel: backdrop for a rounded skin, its outline otherwise.
      const uint32_t corner = p.ScanLine(PreviewMargin)[PreviewMargin];
      const uint32_t backdrop = p.ScanLine(PreviewMargin)[PreviewMargin - 1];
      EXPECT_EQ(corner == backdrop, t.CornerRadius > 0);
    }
}

// Every frame pixel of the preview, outside the caption text, is what the
// form frame's layout and composition give for the same window.
TEST(PreviewRender, FrameIsTheFormFramesComposition) {
  const TBitmap icon = skintool::PreviewIcon();
  for (const TSkinTheme& t : AllThemes())
    for (bool active : {true, false}) {
      SCOPED_TRACE(t.Name + (active ? " active" : " inactive"));
      TSkinModel m;
      const TBitmap p = Render(t, active, m);
      const std::vector<TTitleButtonInput> buttons = TitleButtonsOf(m, icon);
      const TFrameLayout l = SampleLayout(m, active, buttons);
      TBitmap composed(540, 380);
      ComposeFrame(composed, m, l, nullptr);
      EXPECT_GE(l.Caption.Text.Left, l.Title.Left);
      int compared = 0, wrong = 0;
      for (int y = 0; y < composed.Height(); ++y)
        for (int x = 0; x < composed.Width(); ++x) {
          const TPoint at{x, y};
          const uint32_t want = composed.ScanLine(y)[x];
          // Key-coloured pixels show the backdrop in the preview.
          if (l.Client.Contains(at) || l.MenuBar.Contains(at) || l.Caption.Draw.Contains(at) || want == KeyPixel)
            continue;
          ++compared;
          wrong += (p.ScanLine(PreviewMargin + y)[PreviewMargin + x] & 0xFFFFFF) != (want & 0xFFFFFF);
        }
      EXPECT_EQ(wrong, 0);
      EXPECT_GT(compared, 2 * 540);
    }
}
#endif
