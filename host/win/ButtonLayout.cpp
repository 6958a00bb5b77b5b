// Glyph and caption placement of buttons.
#include "host/win/ButtonLayout.h"

namespace pelorin {

TButtonPieces LayoutButton(const TRect& client, TPoint glyph, TPoint text, TButtonLayout layout, int margin,
                           int spacing) {
  const bool horizontal = layout == blGlyphLeft || layout == blGlyphRight;
  const TPoint size{client.Width(), client.Height()};
  const int total = horizontal ? size.X : size.Y;
  const int glyphLen = horizontal ? glyph.X : glyph.Y;
  const int textLen = horizontal ? text.X : text.Y;
  if (glyphLen == 0 || textLen == 0) spacing = 0;

  int gap = spacing;
  int lead = margin;
  if (margin < 0) {
    if (spacing < 0) {
      // Glyph, caption and the three gaps around them share the room equally.
      gap = (total - glyphLen - textLen) / 3;
      lead = gap;
    } else {
      lead = (total - glyphLen - textLen - spacing) / 2;
    }
  } else if (spacing < 0) {
    gap = (total - margin - glyphLen - textLen) / 2;
  }

  // Offsets along the layout axis, measured from the glyph's side.
  const int glyphAt = lead;
  const int textAt = lead + glyphLen + gap;
  TButtonPieces p;
  const int gy = client.Top + (size.Y - glyph.Y) / 2, gx = client.Left + (size.X - glyph.X) / 2;
  const int ty = client.Top + (size.Y - text.Y) / 2, tx = client.Left + (size.X - text.X) / 2;
  switch (layout) {
    case blGlyphLeft:
      p.Glyph = Bounds(client.Left + glyphAt, gy, glyph.X, glyph.Y);
      p.Text = Bounds(client.Left + textAt, ty, text.X, text.Y);
      break;
    case blGlyphRight:
      p.Glyph = Bounds(client.Right - glyphAt - glyph.X, gy, glyph.X, glyph.Y);
      p.Text = Bounds(client.Right - textAt - text.X, ty, text.X, text.Y);
      break;
    case blGlyphTop:
      p.Glyph = Bounds(gx, client.Top + glyphAt, glyph.X, glyph.Y);
      p.Text = Bounds(tx, client.Top + textAt, text.X, text.Y);
      break;
    case blGlyphBottom:
      p.Glyph = Bounds(gx, client.Bottom - glyphAt - glyph.Y, glyph.X, glyph.Y);
      p.Text = Bounds(tx, client.Bottom - textAt - text.Y, text.X, text.Y);
      break;
  }
  return p;
}

}  // namespace pelorin
