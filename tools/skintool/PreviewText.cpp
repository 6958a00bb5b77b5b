// FreeType text rendering for the preview command.
#include "tools/skintool/PreviewText.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <vector>

#include "tools/skintool/Commands.h"

namespace pelorin::skintool {

struct TPreviewFont::TImpl {
  FT_Library library = nullptr;
  FT_Face face = nullptr;
};

namespace {

// UTF-8 to code points; malformed bytes become '?'.
std::vector<char32_t> Decode(const std::string& s) {
  std::vector<char32_t> out;
  for (size_t i = 0; i < s.size();) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    int n = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
    if (n < 0 || i + n >= s.size() + (n == 0 ? 1 : 0)) {
      out.push_back(U'?');
      ++i;
      continue;
    }
    char32_t cp = n == 0 ? c : c & (0x3F >> n);
    bool ok = true;
    for (int k = 1; k <= n; ++k) {
      const unsigned char d = static_cast<unsigned char>(s[i + k]);
      ok = ok && (d >> 6) == 2;
      cp = cp << 6 | (d & 0x3F);
    }
    out.push_back(ok ? cp : U'?');
    i += ok ? n + 1 : 1;
  }
  return out;
}

int Advance(FT_Face face, char32_t c) {
  if (FT_Load_Char(face, c, FT_LOAD_DEFAULT | FT_LOAD_TARGET_LIGHT) != 0) return 0;
  return int(face->glyph->advance.x >> 6);
}

}  // namespace

TPreviewFont::TPreviewFont(const std::string& fontFile, int pixelSize) : impl_(new TImpl) {
  if (FT_Init_FreeType(&impl_->library) != 0 || FT_New_Face(impl_->library, fontFile.c_str(), 0, &impl_->face) != 0 ||
      FT_Set_Pixel_Sizes(impl_->face, 0, FT_UInt(pixelSize)) != 0) {
    if (impl_->library) FT_Done_FreeType(impl_->library);
    delete impl_;
    throw EToolError(fontFile + ": cannot open the font");
  }
  ascent_ = int(impl_->face->size->metrics.ascender >> 6);
  lineHeight_ = ascent_ - int(impl_->face->size->metrics.descender >> 6);
}

TPreviewFont::~TPreviewFont() {
  FT_Done_Face(impl_->face);
  FT_Done_FreeType(impl_->library);
  delete impl_;
}

int TPreviewFont::TextWidth(const std::string& text) const {
  int w = 0;
  for (char32_t c : Decode(text)) w += Advance(impl_->face, c);
  return w;
}

void TPreviewFont::DrawText(TBitmap& target, const TRect& r, const std::string& text, TColor colour, TTextAlign align,
                            bool vcentre, bool ellipsis) const {
  std::vector<char32_t> chars = Decode(text);
  const int room = r.Right - r.Left;
  auto width = [&](const std::vector<char32_t>& cs) {
    int w = 0;
    for (char32_t c : cs) w += Advance(impl_->face, c);
    return w;
  };
  if (ellipsis && width(chars) > room) {
    while (!chars.empty() && width(chars) + TextWidth("\u2026") > room) chars.pop_back();
    chars.push_back(U'\u2026');
  }
  const int w = width(chars);
  int x = align == TTextAlign::Left ? r.Left : align == TTextAlign::Centre ? r.Left + (room - w) / 2 : r.Right - w;
  const int top = vcentre ? r.Top + (r.Bottom - r.Top - lineHeight_) / 2 : r.Top;
  const int baseline = top + ascent_;
  const TRect clip{std::max(r.Left, 0), std::max(r.Top, 0), std::min(r.Right, target.Width()), std::min(r.Bottom, target.Height())};
  const uint32_t ink = PixelFromColor(ColorToRGB(colour));
  for (char32_t c : chars) {
    if (FT_Load_Char(impl_->face, c, FT_LOAD_RENDER | FT_LOAD_TARGET_LIGHT) != 0) continue;
    const FT_GlyphSlot g = impl_->face->glyph;
    const FT_Bitmap& bm = g->bitmap;
    for (unsigned row = 0; row < bm.rows; ++row) {
      const int y = baseline - g->bitmap_top + int(row);
      if (y < clip.Top || y >= clip.Bottom) continue;
      uint32_t* line = target.ScanLine(y);
      for (unsigned col = 0; col < bm.width; ++col) {
        const int px = x + g->bitmap_left + int(col);
        if (px < clip.Left || px >= clip.Right) continue;
        const unsigned a = bm.buffer[row * unsigned(bm.pitch < 0 ? -bm.pitch : bm.pitch) + col];
        if (a == 0) continue;
        uint32_t& p = line[px];
        auto mix = [&](int shift) {
          const unsigned s = (ink >> shift) & 0xFF, d = (p >> shift) & 0xFF;
          return uint32_t((d * (255 - a) + s * a + 127) / 255) << shift;
        };
        p = mix(16) | mix(8) | mix(0);
      }
    }
    x += int(g->advance.x >> 6);
  }
}

}  // namespace pelorin::skintool
