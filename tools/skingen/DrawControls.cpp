// Control images: push buttons, check and radio strips, tabs, combo parts,
// scroll bar parts, header, status bar, progress, menus, group box, toolbar.
#include <algorithm>

#include "tools/skingen/SkinImages.h"

namespace pelorin::skingen {

namespace {

const TPixel White = Rgb(255, 255, 255);

// A face gradient that suits both light and dark schemes.
TPixel FaceTop(const TSkinTheme& t, TPixel c) { return Shade(c, t.Dark ? 0.10 : 0.45); }
TPixel FaceBottom(const TSkinTheme& t, TPixel c) { return Shade(c, t.Dark ? -0.08 : -0.04); }

// Dark schemes outline controls lighter than the face, light ones darker.
TPixel Outline(const TSkinTheme& t) { return t.Dark ? Mix(t.P.Face, t.P.Shadow, 0.55) : Mix(t.P.Shadow, t.P.DkShadow, 0.4); }

// One rounded control face: gradient fill, outline, optional key outside.
void Face(TBitmap& b, const TRect& area, double radius, TPixel top, TPixel bottom, TPixel rim, TPixel behind, bool key) {
  const double l = area.Left + 0.5, tp = area.Top + 0.5, r = area.Right - 0.5, bt = area.Bottom - 0.5;
  const TInside shape = RoundRect(l, tp, r, bt, radius);
  const int h = area.Bottom - area.Top;
  FillShape(b, area, shape, [&](int, int y) { return Mix(top, bottom, double(y - area.Top) / std::max(1, h - 1)); });
  FillShape(b, area, Minus(shape, RoundRect(l + 1, tp + 1, r - 1, bt - 1, std::max(0.0, radius - 1))), rim);
  if (key) KeyOutside(b, area, shape, behind);
}

TBitmap Strip(int frameW, int frameH, int frames, TPixel fill) {
  TBitmap b(frameW * frames, frameH);
  Fill(b, {0, 0, frameW * frames, frameH}, fill);
  return b;
}

}  // namespace

TBitmap DrawPushButton(const TSkinTheme& t) {
  const int w = 24, h = 24;
  const bool key = t.ControlRadius > 0;
  TBitmap b = Strip(w, h, 5, key ? KeyPixel : t.P.Face);
  const TPixel rim = Outline(t);
  for (int f = 0; f < 5; ++f) {
    const TRect a{f * w, 0, f * w + w, h};
    const double r = t.ControlRadius;
    switch (f) {
      case 0: Face(b, a, r, FaceTop(t, t.P.Face), FaceBottom(t, t.P.Face), rim, t.P.Face, key); break;
      case 1: Face(b, a, r, Shade(t.P.Face, -0.16), Shade(t.P.Face, -0.04), Shade(rim, -0.2), t.P.Face, key); break;
      case 2: Face(b, a, r, t.P.Face, t.P.Face, Mix(rim, t.P.Face, 0.55), t.P.Face, key); break;
      case 3: Face(b, a, r, Mix(FaceTop(t, t.P.Face), t.P.Accent, 0.10), Mix(FaceBottom(t, t.P.Face), t.P.Accent, 0.14), t.P.Accent, t.P.Face, key); break;
      default: Face(b, a, r, FaceTop(t, t.P.Face), FaceBottom(t, t.P.Face), Mix(rim, t.P.Accent, 0.6), t.P.Face, key); break;
    }
    if (f != 1 && f != 2)
      for (int x = f * w + int(r) + 1; x < f * w + w - int(r) - 1; ++x) Blend(b, x, 1, White, t.Dark ? 0.08 : 0.5);
  }
  return b;
}

TBitmap DrawCheckStrip(const TSkinTheme& t) {
  const int s = t.CheckSize;
  TBitmap b = Strip(s, s, 4, KeyPixel);
  for (int f = 0; f < 4; ++f) {
    // 1 unchecked, 2 checked, 3 disabled, 4 disabled and checked.
    const bool checked = f == 1 || f == 3, disabled = f >= 2;
    const TRect a{f * s, 0, f * s + s, s};
    const TPixel fill = disabled ? t.P.Face : checked ? t.P.Accent : t.P.Window;
    const TPixel rim = disabled ? Mix(t.P.Shadow, t.P.Face, 0.4) : checked ? Shade(t.P.Accent, -0.25) : Outline(t);
    Face(b, a, 2.5, checked && !disabled ? Shade(fill, 0.12) : fill, fill, rim, t.P.Face, true);
    if (checked) DrawGlyph(b, {a.Left + 1, 1, a.Right - 1, s - 1}, TGlyph::Check, disabled ? t.P.Shadow : White);
  }
  return b;
}

TBitmap DrawRadioStrip(const TSkinTheme& t) {
  const int s = t.CheckSize;
  TBitmap b = Strip(s, s, 4, KeyPixel);
  for (int f = 0; f < 4; ++f) {
    // 1 off, 2 on, 3 off and disabled, 4 on and disabled.
    const bool on = f == 1 || f == 3, disabled = f >= 2;
    const TRect a{f * s, 0, f * s + s, s};
    const double c = f * s + s / 2.0, r = s / 2.0 - 0.5;
    const TInside disc = Disc(c, s / 2.0, r);
    const TPixel rim = disabled ? Mix(t.P.Shadow, t.P.Face, 0.4) : on ? Shade(t.P.Accent, -0.2) : Outline(t);
    FillShape(b, a, disc, disabled ? t.P.Face : t.P.Window);
    FillShape(b, a, Ring(c, s / 2.0, r, r - 1.2), rim);
    if (on) FillShape(b, a, Disc(c, s / 2.0, s * 0.22), disabled ? t.P.Shadow : t.P.Accent);
    KeyOutside(b, a, disc, t.P.Face);
  }
  return b;
}

TBitmap DrawTabStrip(const TSkinTheme& t) {
  const int w = 28, h = 24;
  TBitmap b = Strip(w, h, 5, KeyPixel);
  const TPixel rim = Outline(t);
  for (int f = 0; f < 5; ++f) {
    // 1 a tab, 2 the selected tab, 3 disabled, 4 hot, 5 as 1.
    const TRect a{f * w, 0, f * w + w, h};
    const bool selected = f == 1;
    const double top = selected ? 0.5 : 2.5, l = f * w + 0.5, r = f * w + w - 0.5;
    const TInside shape = RoundTopRect(l, top, r, h, t.ControlRadius + 1.0);
    TPixel c0 = selected ? FaceTop(t, t.P.Face) : Shade(t.P.Face, t.Dark ? -0.15 : -0.07);
    TPixel c1 = selected ? t.P.Face : Shade(t.P.Face, t.Dark ? -0.25 : -0.14);
    if (f == 3) { c0 = Mix(c0, t.P.Accent, 0.15); c1 = Mix(c1, t.P.Accent, 0.10); }
    FillShape(b, a, shape, [&](int, int y) { return Mix(c0, c1, double(y) / h); });
    FillShape(b, a, Minus(shape, RoundTopRect(l + 1, top + 1, r - 1, h + 1, t.ControlRadius)), rim);
    if (selected) {
      FillShape(b, a, RoundTopRect(l + 1, top + 1, r - 1, top + 3, t.ControlRadius), t.P.Accent);
      for (int x = a.Left + 1; x < a.Right - 1; ++x) Put(b, x, h - 1, t.P.Face);
    } else {
      for (int x = a.Left; x < a.Right; ++x) Put(b, x, h - 1, rim);
    }
    KeyOutside(b, a, shape, t.P.Face);
  }
  return b;
}

TBitmap DrawTabBorder(const TSkinTheme& t) {
  // Page frame, drawn with fixed margins 4, 5, 4, 4.
  TBitmap b(24, 24);
  Fill(b, {0, 0, 24, 24}, t.P.Face);
  Outline(b, {0, 0, 24, 24}, Outline(t));
  Bevel(b, {1, 1, 23, 23}, Shade(t.P.Face, t.Dark ? 0.08 : 0.6), Shade(t.P.Face, -0.06));
  return b;
}

TBitmap DrawComboButton(const TSkinTheme& t) {
  const int w = 18, h = 20;
  TBitmap b = Strip(w, h, 4, t.P.Face);
  for (int f = 0; f < 4; ++f) {
    // 1 normal, 2 pressed, 3 disabled, 4 hot or focused.
    const TRect a{f * w, 0, f * w + w, h};
    TPixel top = FaceTop(t, t.P.Face), bottom = FaceBottom(t, t.P.Face);
    if (f == 1) { top = Shade(t.P.Face, -0.15); bottom = Shade(t.P.Face, -0.05); }
    if (f == 2) top = bottom = t.P.Face;
    if (f == 3) { top = Mix(top, t.P.Accent, 0.12); bottom = Mix(bottom, t.P.Accent, 0.18); }
    VGradient(b, a, top, bottom);
    // The right, top and bottom lines close the box's border; the left one
    // separates the button from the text.
    Outline(b, a, Outline(t));
    for (int y = 1; y < h - 1; ++y) Put(b, a.Left, y, Mix(Outline(t), t.P.Face, 0.4));
  }
  return b;
}

TBitmap DrawComboArrow(const TSkinTheme& t) {
  const int w = 10, h = 7;
  TBitmap b = Strip(w, h, 5, KeyPixel);
  for (int f = 0; f < 5; ++f) {
    const TPixel c = f == 2 ? t.P.Shadow : f == 3 ? t.P.Accent : t.P.Text;
    const double x0 = f * w;
    FillShape(b, {f * w, 0, f * w + w, h}, Triangle(x0 + 1, 1, x0 + w - 1, 1, x0 + w / 2.0, h - 1), c);
    // Edge pixels of the arrow sit on the button face.
    KeyOutside(b, {f * w, 0, f * w + w, h}, Triangle(x0 + 1, 1, x0 + w - 1, 1, x0 + w / 2.0, h - 1), t.P.Face);
  }
  return b;
}

TBitmap DrawSunkEdge(const TSkinTheme& t) {
  const int s = 16;
  TBitmap b = Strip(s, s, 4, t.P.Window);
  for (int f = 0; f < 4; ++f) {
    const TRect a{f * s, 0, f * s + s, s};
    Outline(b, a, f == 3 ? t.P.Accent : Outline(t));
    Outline(b, {a.Left + 1, 1, a.Right - 1, s - 1}, f == 2 ? t.P.Face : t.P.Window);
  }
  return b;
}

TBitmap DrawScrollArrows(const TSkinTheme& t) {
  const int s = 16;
  TBitmap b = Strip(s, s, 23, KeyPixel);
  const TGlyph dirs[4] = {TGlyph::ArrowLeft, TGlyph::ArrowRight, TGlyph::ArrowUp, TGlyph::ArrowDown};
  for (int f = 0; f < 23; ++f) {
    // Four frames per arrow (normal, pressed, disabled, hot); the rest are
    // plain faces for the parts other programs put there.
    const TRect a{f * s, 0, f * s + s, s};
    const int state = f < 16 ? f % 4 : 0;
    TPixel top = FaceTop(t, t.P.Face), bottom = FaceBottom(t, t.P.Face);
    if (state == 1) { top = Shade(t.P.Face, -0.18); bottom = Shade(t.P.Face, -0.06); }
    if (state == 3) { top = Mix(top, t.P.Accent, 0.15); bottom = Mix(bottom, t.P.Accent, 0.2); }
    Face(b, {a.Left + 1, 1, a.Right - 1, s - 1}, 2.5, top, bottom, Mix(Outline(t), t.P.Face, 0.3), t.P.Scrollbar, false);
    if (f < 16) DrawGlyph(b, {a.Left + 2, 2, a.Right - 2, s - 2}, dirs[f / 4], state == 2 ? t.P.Shadow : t.P.Text);
    KeyOutside(b, a, RoundRect(a.Left + 1.5, 1.5, a.Right - 1.5, s - 1.5, 2.5), t.P.Scrollbar);
  }
  return b;
}

TBitmap DrawScrollTrack(const TSkinTheme& t, bool vertical) {
  // Four frames side by side, 16 pixels thick across the bar.
  const int len = 32, s = 16;
  const int fw = vertical ? s : len, fh = vertical ? len : s;
  TBitmap b = Strip(fw, fh, 4, t.P.Scrollbar);
  for (int f = 0; f < 4; ++f) {
    const TRect a{f * fw, 0, f * fw + fw, fh};
    if (vertical) HGradient(b, a, Shade(t.P.Scrollbar, -0.06), Shade(t.P.Scrollbar, 0.04));
    else VGradient(b, a, Shade(t.P.Scrollbar, -0.06), Shade(t.P.Scrollbar, 0.04));
  }
  return b;
}

TBitmap DrawScrollThumb(const TSkinTheme& t, bool vertical) {
  const int len = 24, s = 16;
  const int fw = vertical ? s : len, fh = vertical ? len : s;
  TBitmap b = Strip(fw, fh, 3, KeyPixel);
  for (int f = 0; f < 3; ++f) {
    // 1 normal, 2 pressed, 3 hot.
    const TRect a{f * fw, 0, f * fw + fw, fh};
    TPixel c = Mix(t.P.Shadow, t.P.Scrollbar, t.Dark ? 0.1 : 0.25);
    if (f == 1) c = t.P.Accent;
    if (f == 2) c = Mix(c, t.P.Accent, 0.4);
    const TRect inner = vertical ? TRect{a.Left + 3, 1, a.Right - 3, fh - 1} : TRect{a.Left + 1, 3, a.Right - 1, fh - 3};
    Face(b, inner, 4.5, Shade(c, 0.12), Shade(c, -0.06), Shade(c, -0.25), t.P.Scrollbar, false);
    KeyOutside(b, a, RoundRect(inner.Left + 0.5, inner.Top + 0.5, inner.Right - 0.5, inner.Bottom - 0.5, 4.5), t.P.Scrollbar);
  }
  return b;
}

TBitmap DrawHeaderBar(const TSkinTheme& t) {
  const int w = 24, h = 20;
  TBitmap b = Strip(w, h, 5, t.P.Face);
  for (int f = 0; f < 5; ++f) {
    const TRect a{f * w, 0, f * w + w, h};
    VGradient(b, a, FaceTop(t, t.P.Face), Shade(t.P.Face, t.Dark ? -0.05 : -0.08));
    for (int x = a.Left; x < a.Right; ++x) Put(b, x, h - 1, Outline(t));
    for (int y = 3; y < h - 3; ++y) Put(b, a.Right - 1, y, Mix(Outline(t), t.P.Face, 0.3));
  }
  return b;
}

TBitmap DrawStatusEdges(const TSkinTheme& t) {
  const int w = 16, h = 20;
  TBitmap b = Strip(w, h, 3, t.P.Face);
  const TPixel hi = Shade(t.P.Face, t.Dark ? 0.12 : 0.7), lo = Mix(Outline(t), t.P.Face, 0.35);
  Bevel(b, {1, 1, w - 1, h - 1}, lo, hi);         // lowered panel
  Bevel(b, {w + 1, 1, 2 * w - 1, h - 1}, hi, lo);  // raised panel
  return b;                                        // frame 3: flat
}

TBitmap DrawProgress(const TSkinTheme& t) {
  const int w = 24, h = 16;
  TBitmap b = Strip(w, h, 2, KeyPixel);
  const double r = std::min(6.0, t.ControlRadius + 2.0);
  Face(b, {0, 0, w, h}, r, Shade(t.P.Window, -0.06), t.P.Window, Outline(t), t.P.Face, true);
  const TRect bar{w + 1, 1, 2 * w - 1, h - 1};
  Face(b, bar, r - 1, Shade(t.P.Accent, 0.25), Shade(t.P.Accent, -0.10), Shade(t.P.Accent, -0.3), t.P.Window, true);
  for (int x = bar.Left + 3; x < bar.Right - 3; ++x) Blend(b, x, 2, White, 0.35);
  return b;
}

TBitmap DrawMenuBar(const TSkinTheme& t) {
  const int w = 32, h = 20;
  TBitmap b(w, 2 * h);
  VGradient(b, {0, 0, w, h}, Shade(t.P.MenuBar, t.Dark ? 0.05 : 0.3), t.P.MenuBar);
  VGradient(b, {0, h, w, 2 * h}, t.P.MenuBar, t.P.MenuBar);
  for (int x = 0; x < w; ++x) {
    Put(b, x, h - 1, Mix(t.P.MenuBar, Outline(t), 0.5));
    Put(b, x, 2 * h - 1, Mix(t.P.MenuBar, Outline(t), 0.35));
  }
  return b;
}

TBitmap DrawMenuItem(const TSkinTheme& t) {
  const int w = 32, h = 20;
  TBitmap b = Strip(w, h, 5, t.P.Menu);
  // 1 normal, 2 separator (its lowest rows hold the line), 3 disabled,
  // 4 selected, 5 as 4.
  for (int x = w + 4; x < 2 * w - 4; ++x) {
    Put(b, x, h - 5, Mix(t.P.Menu, Outline(t), 0.6));
    Put(b, x, h - 4, Shade(t.P.Menu, t.Dark ? 0.08 : 0.6));
  }
  for (int f = 3; f < 5; ++f) {
    const TRect a{f * w + 2, 1, f * w + w - 2, h - 1};
    Face(b, a, 3.0, Shade(t.P.Hilight, 0.1), Shade(t.P.Hilight, -0.06), Shade(t.P.Hilight, -0.2), t.P.Menu, false);
    KeyOutside(b, a, RoundRect(a.Left + 0.5, a.Top + 0.5, a.Right - 0.5, a.Bottom - 0.5, 3.0), t.P.Menu);
    // Keyed pixels of an opaque element would show magenta: give them the menu colour.
    for (int y = 0; y < h; ++y)
      for (int x = f * w; x < f * w + w; ++x)
        if (b.ScanLine(y)[x] == KeyPixel) b.ScanLine(y)[x] = t.P.Menu;
  }
  return b;
}

TBitmap DrawMenuBackground(const TSkinTheme& t) {
  TBitmap b(32, 32);
  Fill(b, {0, 0, 32, 32}, t.P.Menu);
  Outline(b, {0, 0, 32, 32}, Outline(t));
  Outline(b, {1, 1, 31, 31}, Shade(t.P.Menu, t.Dark ? 0.06 : 0.5));
  return b;
}

TBitmap DrawGroupBoxEdge(const TSkinTheme& t) {
  const int s = 16;
  TBitmap b = Strip(s, s, 2, KeyPixel);
  for (int f = 0; f < 2; ++f) {
    const TRect a{f * s, 0, f * s + s, s};
    const TInside shape = RoundRect(a.Left + 0.5, 0.5, a.Right - 0.5, s - 0.5, 3.5);
    FillShape(b, a, shape, t.P.Face);
    FillShape(b, a, Minus(shape, RoundRect(a.Left + 1.5, 1.5, a.Right - 1.5, s - 1.5, 2.5)), f == 0 ? Mix(Outline(t), t.P.Face, 0.3) : t.P.Accent);
    KeyOutside(b, a, shape, t.P.Face);
  }
  return b;
}

TBitmap DrawToolbar(const TSkinTheme& t) {
  const int s = 24;
  TBitmap b = Strip(s, s, 5, KeyPixel);
  for (int f = 0; f < 5; ++f) {
    const TRect a{f * s, 0, f * s + s, s};
    const TPixel c = f == 1 ? Shade(t.P.Face, -0.15) : f == 3 ? Mix(t.P.Face, t.P.Accent, 0.2) : t.P.Face;
    Face(b, a, 3.0, Shade(c, 0.1), c, f == 0 || f == 2 ? t.P.Face : Outline(t), t.P.Face, true);
  }
  return b;
}

}  // namespace pelorin::skingen
