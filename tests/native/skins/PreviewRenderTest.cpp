// The preview picture (native build only: it draws text with FreeType): key
// colours never reach the picture, rounded corners show the backdrop, and the
// title-bar buttons sit where the skin places them.
#ifndef _WIN32
#include <gtest/gtest.h>

#include "host/core/Streams.h"
#include "skinmodel/SkinModel.h"
#include "tools/skingen/SkinBuild.h"
#include "tools/skintool/PreviewRender.h"

using namespace pelorin;
using namespace pelorin::skingen;
using pelorin::skintool::PreviewMargin;

namespace {

const std::string FontDir = "/usr/share/fonts/truetype/dejavu/";

TBitmap Render(const TSkinTheme& theme, bool active, TSkinModel& m) {
  const std::vector<uint8_t> bytes = PackSkin(BuildSkin(theme));
  TMemoryStream s;
  s.Write(bytes.data(), bytes.size());
  EXPECT_TRUE(m.LoadSkinArchive(s));
  const skintool::TPreviewFont bold(FontDir + "DejaVuSans-Bold.ttf", 12), text(FontDir + "DejaVuSans.ttf", 12);
  skintool::TPreviewOptions o;
  o.Active = active;
  return skintool::RenderPreview(m, o, {bold, text});
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
      // The close button: frame 1 when active, frame 4 when inactive, at its place.
      for (const auto& b : m.SysButtons) {
        if (b->Action != 0) continue;
        const int fw = b->Bitmap.Width() / b->FrameCount, frame = active ? 1 : 4;
        const int x = b->Align == 0 ? b->XCoord : 540 - b->XCoord;
        const int cx = fw / 2, cy = b->Bitmap.Height() / 2;
        EXPECT_EQ(p.ScanLine(PreviewMargin + b->YCoord + cy)[PreviewMargin + x + cx],
                  b->Bitmap.ScanLine(cy)[(frame - 1) * fw + cx]);
      }
    }
}
#endif
