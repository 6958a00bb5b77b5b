#include "controls/GlyphLayout.h"

namespace pelorin {

TGlyphPlacement LayOutGlyphButton(TPoint client, TPoint glyph, TPoint text, int side, int margin, int spacing,
                                  TGlyphButtonKind kind) {
  if (side < gsLeft || side > gsBottom) side = gsLeft;
  const bool vertical = side == gsTop || side == gsBottom;
  TGlyphPlacement p;
  TPoint textAt{};
  if (vertical) {
    p.Glyph.X = (client.X - glyph.X + 1) / 2;
    textAt.X = (client.X - text.X + 1) / 2;
  } else {
    p.Glyph.Y = (client.Y - glyph.Y + 1) / 2;
    textAt.Y = (client.Y - text.Y + 1) / 2;
  }
  if (text.X == 0 || glyph.X == 0) spacing = 0;
  const int ca = vertical ? client.Y : client.X;
  const int ga = vertical ? glyph.Y : glyph.X;
  const int ta = vertical ? text.Y : text.X;
  if (margin == -1 && spacing == -1) {
    margin = (ca - (ga + ta)) / 3;
    spacing = margin;
  } else if (margin == -1) {
    margin = (ca - (ga + spacing + ta)) / 2 + (kind == TGlyphButtonKind::Speed ? 1 : 0);
  } else if (spacing == -1) {
    spacing = (ca - (margin + ga) - ta) / 2;
  }
  switch (side) {
    case gsLeft:
      p.Glyph.X = margin;
      textAt.X = p.Glyph.X + glyph.X + spacing;
      p.Format = cfmtLeft;
      break;
    case gsRight:
      p.Glyph.X = client.X - margin - glyph.X;
      textAt.X = p.Glyph.X - spacing - text.X;
      p.Format = cfmtRight;
      break;
    case gsTop:
      p.Glyph.Y = margin;
      textAt.Y = p.Glyph.Y + glyph.Y + spacing;
      p.Format = cfmtCentre;
      break;
    default:
      p.Glyph.Y = client.Y - margin - glyph.Y;
      textAt.Y = p.Glyph.Y - spacing - text.Y;
      p.Format = cfmtCentre;
      break;
  }
  p.Text = {textAt.X, textAt.Y, textAt.X + text.X, textAt.Y + text.Y};
  return p;
}

TRect PlaceCaption(const TRect& rect, TPoint measured, int format) {
  const int dy = (rect.Height() - measured.Y) / 2 - 1;
  const int dx = format == cfmtCentre ? (rect.Width() - measured.X) / 2 : 0;
  return TRect{rect.Left, rect.Top, rect.Left + measured.X, rect.Top + measured.Y}.Offset(dx, dy);
}

TRect PlaceCaptionCentred(const TRect& rect, TPoint measured) {
  const int dy = (rect.Height() - measured.Y) / 2;
  const int dx = (rect.Width() - measured.X) / 2;
  return TRect{rect.Left, rect.Top, rect.Left + measured.X, rect.Top + measured.Y}.Offset(dx, dy);
}

}  // namespace pelorin
