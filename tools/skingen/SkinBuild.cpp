// A theme's title-bar buttons, images and archive files.
#include "tools/skingen/SkinBuild.h"

#include "host/core/Streams.h"
#include "skinfile/SkinWriter.h"
#include "tools/skingen/SkinDescription.h"
#include "tools/skingen/SkinImages.h"

namespace pelorin::skingen {

// Visibility codes used below: 200 always; 1 / 2 maximised / not maximised;
// 6 the window had a maximise box, 8 a minimise box.
std::vector<TTitleButton> TitleButtons(const TSkinTheme& t) {
  const int s = t.ButtonSize, y = (t.TitleHeight - s) / 2, iconY = (t.TitleHeight - 16) / 2;
  const int frames = t.ExplicitFrames ? 4 : 6;
  std::vector<TTitleButton> r;
  auto add = [&](int action, int align, int x, int yy, int vis, int vis1, TGlyph g, const std::string& file, int n) {
    r.push_back({"Button" + std::to_string(r.size()), action, align, x, yy, vis, vis1, n, t.ExplicitFrames && n > 0, file, g});
  };
  if (t.ButtonsLeft) {
    const int x0 = t.BorderWidth + 8, step = s + 6;
    add(0, 0, x0, y, 200, 200, TGlyph::Close, "close.bmp", frames);
    add(2, 0, x0 + step, y, 200, 8, TGlyph::Minimize, "minimize.bmp", frames);
    add(1, 0, x0 + 2 * step, y, 2, 6, TGlyph::Maximize, "maximize.bmp", frames);
    add(1, 0, x0 + 2 * step, y, 1, 6, TGlyph::Restore, "restore.bmp", frames);
    add(3, 1, t.BorderWidth + 8 + 16, iconY, 200, 200, TGlyph::Dot, "", 0);
  } else {
    add(3, 0, t.BorderWidth + 6, iconY, 200, 200, TGlyph::Dot, "", 0);
    const int x0 = t.BorderWidth + 5 + s, step = s + 2;
    add(0, 1, x0, y, 200, 200, TGlyph::Close, "close.bmp", frames);
    add(1, 1, x0 + step, y, 2, 6, TGlyph::Maximize, "maximize.bmp", frames);
    add(1, 1, x0 + step, y, 1, 6, TGlyph::Restore, "restore.bmp", frames);
    add(2, 1, x0 + 2 * step, y, 200, 8, TGlyph::Minimize, "minimize.bmp", frames);
  }
  for (const TExtraButton& e : t.ExtraButtons) {
    // A decoration (negative action) gets its frame count computed: 6.
    const int n = e.Action < 0 ? 6 : frames;
    add(e.Action, e.Align, e.XCoord, y, 200, 200, e.Glyph, e.File, n);
    r.back().WriteFrameKey = t.ExplicitFrames && e.Action >= 0;
  }
  return r;
}

TSkinSource BuildSkin(const TSkinTheme& t) {
  TSkinSource s;
  s.DescriptionName = t.FileName + ".ini";
  auto image = [&](const std::string& name, TBitmap b) {
    b.SetPixelFormat(TPixelFormat::pf24bit);
    s.Images.emplace_back(name, std::move(b));
  };
  TBorderImages borders = DrawBorders(t);
  image("left.bmp", std::move(borders.Left));
  image("right.bmp", std::move(borders.Right));
  image("top.bmp", std::move(borders.Top));
  image("bottom.bmp", std::move(borders.Bottom));
  const std::vector<TTitleButton> buttons = TitleButtons(t);
  for (const TTitleButton& b : buttons)
    if (b.Frames > 0) image(b.File, DrawTitleButton(t, b.Glyph, b.Frames, b.Action == 0));
  image("button.bmp", DrawPushButton(t));
  image("check.bmp", DrawCheckStrip(t));
  image("radio.bmp", DrawRadioStrip(t));
  if (!t.Minimal) {
    if (t.TextBack) image("textback.bmp", DrawTextBack(t));
    image("mdi.bmp", DrawMdiStrip(t));
    image("tab.bmp", DrawTabStrip(t));
    image("tabborder.bmp", DrawTabBorder(t));
    image("combo.bmp", DrawComboButton(t));
    image("arrow.bmp", DrawComboArrow(t));
    image("sunkedge.bmp", DrawSunkEdge(t));
    image("scroll.bmp", DrawScrollArrows(t));
    image("hscroll.bmp", DrawScrollTrack(t, false));
    image("vscroll.bmp", DrawScrollTrack(t, true));
    image("hthumb.bmp", DrawScrollThumb(t, false));
    image("vthumb.bmp", DrawScrollThumb(t, true));
    image("header.bmp", DrawHeaderBar(t));
    image("status.bmp", DrawStatusEdges(t));
    image("progress.bmp", DrawProgress(t));
    image("menubar.bmp", DrawMenuBar(t));
    image("menuitem.bmp", DrawMenuItem(t));
    image("menuback.bmp", DrawMenuBackground(t));
    image("groupbox.bmp", DrawGroupBoxEdge(t));
    image("toolbar.bmp", DrawToolbar(t));
  }
  s.Description = DescribeSkin(t, buttons);
  return s;
}

std::vector<std::pair<std::string, std::vector<uint8_t>>> SkinFiles(const TSkinSource& source) {
  std::vector<std::pair<std::string, std::vector<uint8_t>>> files;
  files.emplace_back(source.DescriptionName, std::vector<uint8_t>(source.Description.begin(), source.Description.end()));
  for (const auto& [name, bitmap] : source.Images) {
    TMemoryStream s;
    bitmap.SaveToStream(s);
    files.emplace_back(name, s.Bytes());
  }
  return files;
}

std::vector<uint8_t> PackSkin(const TSkinSource& source) {
  TSkinWriter writer;
  for (const auto& [name, bytes] : SkinFiles(source)) writer.AddFile(name, bytes);
  TMemoryStream out;
  writer.SaveToStream(out);
  return out.Bytes();
}

}  // namespace pelorin::skingen
