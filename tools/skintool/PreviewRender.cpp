// The preview window, painted the way the form frame and the control skinners
// paint: the same elements, frames, margins and flags, composed on a TBitmap.
#include "tools/skintool/PreviewRender.h"

#include <algorithm>
#include <vector>

#include "formframe/FrameCompose.h"
#include "formframe/FrameLayout.h"
#include "paint/DrawElement.h"
#include "paint/PieceBlit.h"
#include "paint/SkinPaint.h"
#include "skinmodel/SkinRules.h"

namespace pelorin::skintool {

namespace {

constexpr int ScrollSize = 16;

// State -> frame tables of the elements, as the skinners draw them.
enum TBarLook { blActive, blInactive };
constexpr int MenuBarFrames[] = {1, 2};
enum TButtonLook { bkNormal, bkPressed, bkDisabled, bkHot };
constexpr int ButtonFrames[] = {1, 2, 3, 4};
enum TBoxLook { bxOff, bxOn, bxDisabled, bxOnDisabled };
constexpr int CheckFrames[] = {1, 2, 3, 3};
constexpr int RadioFrames[] = {1, 2, 3, 4};
enum TArrow { arLeft, arRight, arUp, arDown };
constexpr int ArrowFrames[] = {1, 5, 9, 13};
constexpr int TrackFrame = 1;
enum TThumbLook { thNormal, thPressed };
constexpr int ThumbFrames[] = {1, 2};
enum TProgressPart { ppTrough, ppBar };
constexpr int ProgressFrames[] = {1, 2};
enum TTabLook { tlNormal, tlSelected };
constexpr int TabFrames[] = {1, 2};
enum TPanelBevel { pbLowered, pbRaised, pbNone };
constexpr int PanelFrames[] = {1, 2, 3};
// Frame 1 of the sunken edge, the drop-down button, its arrow and the header.
constexpr int RestingFrame = 1;
// The tab page's border image is sliced at fixed widths.
constexpr TRect TabPageRing{4, 5, 4, 4};

bool HasImage(const TDataSkinObject* e) { return e != nullptr && !e->Bitmap.Empty(); }
TRect Inflate(TRect r, int dx, int dy) { return {r.Left - dx, r.Top - dy, r.Right + dx, r.Bottom + dy}; }

void FillRect(TBitmap& b, const TRect& r, TColor c) { b.FillRect(r, ColorToRGB(c)); }

void FrameRect(TBitmap& b, const TRect& r, TColor c) {
  FillRect(b, {r.Left, r.Top, r.Right, r.Top + 1}, c);
  FillRect(b, {r.Left, r.Bottom - 1, r.Right, r.Bottom}, c);
  FillRect(b, {r.Left, r.Top, r.Left + 1, r.Bottom}, c);
  FillRect(b, {r.Right - 1, r.Top, r.Right, r.Bottom}, c);
}

// A whole frame of a check box or radio button strip stretched to r, magenta
// left out (the strips belong to the Buttons element but are no element).
void DrawToggleFrame(TBitmap& target, const TRect& r, const TBitmap& image, int frameCount, int frameIndex) {
  DrawSkinImage(target, r, image, false, false, true, frameCount, frameIndex, TRect{});
}

}  // namespace

// A small window icon: the framework would take the form's own.
TBitmap PreviewIcon() {
  TBitmap icon(16, 16);
  icon.Fill(TransparentKeyColour);
  for (int y = 2; y < 14; ++y)
    for (int x = 1; x < 15; ++x) {
      const bool edge = y == 2 || y == 13 || x == 1 || x == 14;
      icon.SetPixel(x, y, edge ? MakeRGB(40, 60, 110) : y < 5 ? MakeRGB(70, 120, 200) : MakeRGB(245, 247, 250));
    }
  return icon;
}

namespace {

// The sample window: a sizeable main window with a system menu, minimise and
// maximise boxes and a menu bar, shown normal, not an MDI frame.
TFrameQuery PreviewFrameQuery(const TSkinModel& skin, const TPreviewOptions& options, TSize captionText,
                              std::span<const TTitleButtonInput> buttons) {
  TFrameQuery q;
  q.Window = {options.Width, options.Height};
  q.Facts.Kind = frSizeable;
  q.Facts.SavedStyles = ssSysMenu | ssMinimizeBox | ssMaximizeBox;
  q.Facts.Active = options.Active;
  q.Facts.State = nwNormal;
  q.Facts.HasMenuBar = true;
  q.Metrics = MeasureFrame(skin, frSizeable, PreviewMenuBarHeight);
  q.CaptionText = captionText;
  q.Buttons = buttons;
  return q;
}

class TPainter {
public:
  TPainter(const TSkinModel& s, const TPreviewOptions& o, const TPreviewFonts& f)
      : skin_(s), opt_(o), fonts_(f), win_(o.Width, o.Height) {}

  TBitmap Paint();

private:
  TColor Colour(TSkinColor c) const { return skin_.colors[c]; }

  void Frame();
  void MenuBar(const TRect& r);
  void Client(const TRect& r);
  void PushButton(const TRect& r, int look, const std::string& text);
  void CheckRow(int x, int y);
  void Combo(const TRect& r);
  void Progress(const TRect& r, int percent);
  void Tabs(const TRect& r);
  void List(const TRect& r);
  void ScrollBar(const TRect& r, bool vertical, int posPercent, int pagePercent);
  void StatusBar(const TRect& r);
  void KeyBorders(TBitmap& picture, int ox, int oy);

  const TSkinModel& skin_;
  const TPreviewOptions& opt_;
  const TPreviewFonts& fonts_;
  TBitmap win_;
  TFrameLayout frame_;
};

// The frame as the form frame lays it out and composes it, for the sample window.
void TPainter::Frame() {
  static const TBitmap icon = PreviewIcon();
  const std::vector<TTitleButtonInput> buttons = TitleButtonsOf(skin_, icon);
  const std::string text = opt_.Caption + PreviewCaptionSuffix;
  frame_ = LayOutFrame(skin_, PreviewFrameQuery(skin_, opt_, {fonts_.Caption.TextWidth(text), fonts_.Caption.LineHeight()},
                                                buttons));
  ComposeFrame(win_, skin_, frame_, [&](TBitmap& target, const TRect& draw, TColor colour) {
    fonts_.Caption.DrawText(target, draw, text, colour, TTextAlign::Left, false, true);
  });
}

void TPainter::MenuBar(const TRect& r) {
  const int w = r.Right - r.Left, h = r.Bottom - r.Top;
  TBitmap bar(w, h);
  int x = 6;
  if (HasImage(skin_.MenuBar.get())) {
    const TDataSkinObject& e = *skin_.MenuBar;
    DrawElement(bar, bar.BoundsRect(), e, MenuBarFrames[opt_.Active ? blActive : blInactive]);
    x = e.Margins.Left + 4 > w ? 12 : e.Margins.Left + 4;
  } else {
    FillRect(bar, bar.BoundsRect(), Colour(csMenuBar));
  }
  const char* items[] = {"File", "Edit", "View", "Window", "Help"};
  for (const char* item : items) {
    const int iw = fonts_.Text.TextWidth(item) + 10;
    const TRect ir{x, 0, x + iw, h - 1};
    // "Edit" shows the hot look: a one-pixel frame around the item.
    if (std::string(item) == "Edit" && opt_.Active) FrameRect(bar, ir, Colour(csButtonHilight));
    fonts_.Text.DrawText(bar, ir, item, Colour(csMenuBarText), TTextAlign::Centre, true);
    x += iw;
  }
  CopyPixels(win_, r.Left, r.Top, bar, bar.BoundsRect());
}

void TPainter::PushButton(const TRect& r, int look, const std::string& text) {
  const TDataSkinButton& e = *skin_.Buttons;
  if (e.Bitmap.Empty()) return;
  DrawElement(win_, r, e, ButtonFrames[look]);
  TColor c = look == bkNormal ? e.NormalColour : look == bkHot ? e.MouseOverColour : look == bkPressed ? e.PressedColour : clBtnShadow;
  const TRect tr = look == bkPressed ? TRect{r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1} : r;
  fonts_.Text.DrawText(win_, tr, text, c, TTextAlign::Centre, true);
}

void TPainter::CheckRow(int x, int y) {
  const TDataSkinButton& e = *skin_.Buttons;
  struct TItem { bool radio; TBoxLook look; const char* text; };
  const TItem rows[2][3] = {{{false, bxOn, "Checked"}, {false, bxOff, "Unchecked"}, {false, bxDisabled, "Disabled"}},
                            {{true, bxOn, "Selected"}, {true, bxOff, "Other"}, {true, bxOnDisabled, "Disabled"}}};
  for (int row = 0; row < 2; ++row) {
    int cx = x;
    for (const TItem& it : rows[row]) {
      const TBitmap& image = it.radio ? e.RadioBitmap : e.CheckBitmap;
      const int frames = it.radio ? e.RadioFrameCount : e.CheckFrameCount;
      const int frame = (it.radio ? RadioFrames : CheckFrames)[it.look];
      const int fw = SafeFrameWidth(image.Width(), frames), fh = image.Height();
      const int top = y + row * 24;
      if (!image.Empty()) DrawToggleFrame(win_, {cx, top + (18 - fh) / 2, cx + fw, top + (18 - fh) / 2 + fh}, image, frames, frame);
      const TColor ink = it.look >= bxDisabled ? clBtnShadow : Colour(csWindowText);
      fonts_.Text.DrawText(win_, {cx + fw + 5, top, cx + 110, top + 18}, it.text, ink, TTextAlign::Left, true);
      cx += 108;
    }
  }
}

void TPainter::Combo(const TRect& r) {
  const TDataSkinObject* edge = skin_.SunkEdge.get();
  const TDataSkinObject* button = skin_.ComboButton.get();
  if (!HasImage(edge) || !HasImage(button)) {
    // The system's own look: a sunken white field with a plain button.
    FillRect(win_, r, clWindow);
    FrameRect(win_, r, clBtnShadow);
    const TRect b{r.Right - 18, r.Top + 1, r.Right - 1, r.Bottom - 1};
    FillRect(win_, b, clBtnFace);
    FrameRect(win_, b, clBtnShadow);
    fonts_.Text.DrawText(win_, {r.Left + 4, r.Top, b.Left - 2, r.Bottom}, "Sample item", clWindowText, TTextAlign::Left, true);
    return;
  }
  // The field takes the colour inside the sunk edge image.
  const int efw = edge->Bitmap.Width() / edge->Style.Frames;
  FillRect(win_, r, edge->Bitmap.GetPixel(efw / 2, edge->Bitmap.Height() / 2));
  const TRect field{r.Left, r.Top, r.Right - 18, r.Bottom};
  // The field's edge is one or two pixels thick, whatever the image's margins.
  auto t = [](int m) { return m < 2 ? 1 : 2; };
  const TRect m{t(edge->Margins.Left), t(edge->Margins.Top), 0, t(edge->Margins.Bottom)};
  DrawElementRing(win_, field, *edge, RestingFrame, m);
  const TRect b{r.Right - 18, r.Top, r.Right, r.Bottom};
  DrawElementFrame(win_, b, *button, RestingFrame);
  if (HasImage(skin_.ExtraImages.get())) {
    const TDataSkinObject& a = *skin_.ExtraImages;
    const int aw = a.Bitmap.Width() / a.Style.Frames, ah = a.Bitmap.Height();
    const int ax = b.Left + (18 - aw) / 2, ay = r.Top + (r.Bottom - r.Top - ah) / 2;
    DrawElementFrame(win_, {ax, ay, ax + aw, ay + ah}, a, RestingFrame);
  }
  fonts_.Text.DrawText(win_, {r.Left + 5, r.Top, b.Left - 2, r.Bottom}, "Sample item", Colour(csWindowText), TTextAlign::Left, true);
}

void TPainter::Progress(const TRect& r, int percent) {
  const TDataSkinObject* e = skin_.Progress.get();
  if (!HasImage(e)) {
    FillRect(win_, r, clBtnFace);
    FrameRect(win_, r, clBtnShadow);
    FillRect(win_, {r.Left + 2, r.Top + 2, r.Left + 2 + (r.Right - r.Left - 4) * percent / 100, r.Bottom - 2}, clHighlight);
    return;
  }
  DrawElement(win_, r, *e, ProgressFrames[ppTrough]);
  const TRect bar{r.Left, r.Top, r.Left + percent * (r.Right - r.Left) / 100, r.Bottom};
  DrawElement(win_, bar, *e, ProgressFrames[ppBar]);
}

void TPainter::Tabs(const TRect& r) {
  const TDataSkinBorder* e = skin_.Tab.get();
  const char* names[] = {"General", "Layout", "Colours"};
  const int tabH = 22;
  const TRect page{r.Left, r.Top + tabH, r.Right, r.Bottom};
  if (HasImage(e) && !e->Bitmap2.Empty()) DrawSkinBorder(win_, page, e->Bitmap2, false, 1, 1, TabPageRing);
  else {
    FrameRect(win_, page, clBtnShadow);
    FrameRect(win_, Inflate(page, -1, -1), clBtnHighlight);
  }
  // Unselected tabs first, then the selected one, a little larger, over the page's edge.
  std::vector<TRect> rects;
  int x = r.Left + 2;
  for (const char* n : names) {
    const int w = fonts_.Text.TextWidth(n) + 18;
    rects.push_back({x, r.Top + 2, x + w, r.Top + tabH});
    x += w;
  }
  const int selected = 0;
  for (int pass = 0; pass < 2; ++pass)
    for (int i = 0; i < int(rects.size()); ++i) {
      if ((i == selected) != (pass == 1)) continue;
      TRect ir = rects[i];
      if (i == selected) ir = {ir.Left - 2, ir.Top - 2, ir.Right + 2, ir.Bottom + 1};
      const TTabLook look = i == selected ? tlSelected : tlNormal;
      TColor ink = Colour(csButtonText);
      if (HasImage(e)) {
        DrawElement(win_, ir, *e, TabFrames[look]);
        ink = look == tlNormal ? e->NormalColour : e->MouseOverColour;
      } else {
        FillRect(win_, ir, clBtnFace);
        FrameRect(win_, ir, clBtnShadow);
      }
      fonts_.Text.DrawText(win_, ir, names[i], ink, TTextAlign::Centre, true);
    }
  fonts_.Text.DrawText(win_, {page.Left + 12, page.Top + 10, page.Right - 8, page.Top + 28}, "Tabbed page content",
                       Colour(csWindowText), TTextAlign::Left, false);
  Progress({page.Left + 12, page.Top + 36, page.Right - 12, page.Top + 52}, 62);
}

void TPainter::List(const TRect& r) {
  const TDataSkinObject* header = skin_.HeaderBar.get();
  FillRect(win_, r, Colour(csButtonFace));
  const TDataSkinObject* edge = skin_.SunkEdge.get();
  if (HasImage(edge)) {
    const int efw = edge->Bitmap.Width() / edge->Style.Frames;
    FillRect(win_, r, edge->Bitmap.GetPixel(efw / 2, edge->Bitmap.Height() / 2));
    DrawElementRing(win_, r, *edge, RestingFrame);
  } else {
    FillRect(win_, r, clWindow);
    FrameRect(win_, r, clBtnShadow);
  }
  const TRect inner = Inflate(r, -2, -2);
  const int hh = 20;
  const TRect headerRect{inner.Left, inner.Top, inner.Right - ScrollSize, inner.Top + hh};
  const char* cols[] = {"Name", "Size"};
  const int split = headerRect.Left + (headerRect.Right - headerRect.Left) * 3 / 5;
  const TRect items[] = {{headerRect.Left, headerRect.Top, split, headerRect.Bottom}, {split, headerRect.Top, headerRect.Right, headerRect.Bottom}};
  for (int i = 0; i < 2; ++i) {
    if (HasImage(header)) DrawElement(win_, items[i], *header, RestingFrame);
    else {
      FillRect(win_, items[i], clBtnFace);
      FrameRect(win_, items[i], clBtnShadow);
    }
    fonts_.Text.DrawText(win_, {items[i].Left + 4, items[i].Top, items[i].Right, items[i].Bottom}, cols[i],
                         Colour(csButtonText), TTextAlign::Left, true);
  }
  const char* rows[][2] = {{"harbor.skn", "22 KB"}, {"meadow.skn", "20 KB"}, {"slate.skn", "20 KB"},
                           {"graphite.skn", "17 KB"}, {"ember.skn", "15 KB"}, {"plain.skn", "8 KB"}};
  int y = headerRect.Bottom + 2;
  for (int i = 0; i < 6 && y + 18 <= inner.Bottom - ScrollSize; ++i, y += 18) {
    TColor ink = Colour(csWindowText);
    if (i == 1) {
      FillRect(win_, {inner.Left, y, headerRect.Right, y + 18}, Colour(csHilight));
      ink = Colour(csHilightText);
    }
    fonts_.Text.DrawText(win_, {inner.Left + 4, y, split, y + 18}, rows[i][0], ink, TTextAlign::Left, true);
    fonts_.Text.DrawText(win_, {split + 4, y, headerRect.Right, y + 18}, rows[i][1], ink, TTextAlign::Left, true);
  }
  ScrollBar({inner.Right - ScrollSize, inner.Top, inner.Right, inner.Bottom - ScrollSize}, true, 20, 40);
  ScrollBar({inner.Left, inner.Bottom - ScrollSize, inner.Right - ScrollSize, inner.Bottom}, false, 0, 70);
  FillRect(win_, {inner.Right - ScrollSize, inner.Bottom - ScrollSize, inner.Right, inner.Bottom}, Colour(csButtonFace));
}

// One bar as the scroll bar skinner draws it: background, track, arrows, thumb.
void TPainter::ScrollBar(const TRect& r, bool vertical, int posPercent, int pagePercent) {
  const int len = vertical ? r.Bottom - r.Top : r.Right - r.Left;
  if (len <= 0) return;
  TBitmap work(vertical ? ScrollSize : len, vertical ? len : ScrollSize);
  const TDataSkinObject* arrows = skin_.ScrollBar.get();
  if (!HasImage(arrows)) {
    FillRect(work, work.BoundsRect(), clScrollBar);
    const TRect ends[2] = {vertical ? TRect{0, 0, ScrollSize, ScrollSize} : TRect{0, 0, ScrollSize, ScrollSize},
                           vertical ? TRect{0, len - ScrollSize, ScrollSize, len} : TRect{len - ScrollSize, 0, len, ScrollSize}};
    for (const TRect& e : ends) {
      FillRect(work, e, clBtnFace);
      FrameRect(work, e, clBtnShadow);
    }
    CopyPixels(win_, r.Left, r.Top, work, work.BoundsRect());
    return;
  }
  FillRect(work, work.BoundsRect(), Colour(csScrollbar));
  const int a = len < 2 * ScrollSize ? len / 2 : ScrollSize;
  const TDataSkinObject* track = vertical ? skin_.VertScroll.get() : skin_.HorzScroll.get();
  const TRect tr = vertical ? TRect{0, ScrollSize, ScrollSize, len - ScrollSize} : TRect{ScrollSize, 0, len - ScrollSize, ScrollSize};
  if (HasImage(track) && tr.Right > tr.Left && tr.Bottom > tr.Top)
    DrawElement(work, tr, *track, TrackFrame);
  const int first = ArrowFrames[vertical ? arUp : arLeft], second = ArrowFrames[vertical ? arDown : arRight];
  const TRect e1 = vertical ? TRect{0, 0, ScrollSize, a} : TRect{0, 0, a, ScrollSize};
  const TRect e2 = vertical ? TRect{0, len - a, ScrollSize, len} : TRect{len - a, 0, len, ScrollSize};
  DrawElementFrame(work, e1, *arrows, first);
  DrawElementFrame(work, e2, *arrows, second);
  const TDataSkinObject* thumb = vertical ? skin_.VertScrollThumb.get() : skin_.HorzScrollThumb.get();
  const int trackLen = len - 2 * ScrollSize;
  const int thumbLen = std::max(trackLen * pagePercent / 100, 8);
  const int offset = (trackLen - thumbLen) * posPercent / 100;
  if (HasImage(thumb) && thumbLen <= trackLen) {
    const int s = a + offset;
    const TRect t = vertical ? TRect{0, s, ScrollSize, s + thumbLen} : TRect{s, 0, s + thumbLen, ScrollSize};
    DrawElement(work, t, *thumb, ThumbFrames[thNormal]);
  }
  CopyPixels(win_, r.Left, r.Top, work, work.BoundsRect());
}

void TPainter::StatusBar(const TRect& r) {
  const TDataSkinObject* e = skin_.StatusBarEdge.get();
  FillRect(win_, r, Colour(csButtonFace));
  const int w = r.Right - r.Left;
  const TRect panels[] = {{r.Left, r.Top, r.Left + w / 2, r.Bottom}, {r.Left + w / 2 + 2, r.Top, r.Right - 80, r.Bottom},
                          {r.Right - 78, r.Top, r.Right, r.Bottom}};
  const char* texts[] = {"Ready", opt_.Active ? "Active window" : "Inactive window", "100%"};
  const TPanelBevel bevels[] = {pbLowered, pbLowered, pbRaised};
  for (int i = 0; i < 3; ++i) {
    TColor ink = Colour(csButtonText);
    if (HasImage(e)) {
      DrawElement(win_, panels[i], *e, PanelFrames[bevels[i]]);
      ink = e->NormalColour;
    } else {
      FrameRect(win_, panels[i], clBtnShadow);
    }
    fonts_.Text.DrawText(win_, {panels[i].Left + 5, panels[i].Top, panels[i].Right - 3, panels[i].Bottom}, texts[i], ink,
                         TTextAlign::Left, true);
  }
}

void TPainter::Client(const TRect& r) {
  FillRect(win_, r, Colour(csButtonFace));
  const int x = r.Left + 12, y = r.Top + 12;
  const char* labels[] = {"Normal", "Pressed", "Disabled", "Hot"};
  for (int i = bkNormal; i <= bkHot; ++i) PushButton({x + i * 82, y, x + i * 82 + 76, y + 25}, i, labels[i]);
  CheckRow(x, y + 36);
  Combo({x, y + 90, x + 160, y + 112});
  Progress({x + 174, y + 93, x + 322, y + 109}, 45);
  const int listLeft = x + 340;
  const int bottom = r.Bottom - 30;
  Tabs({x, y + 124, listLeft - 14, bottom});
  List({listLeft, y, r.Right - 12, bottom});
  StatusBar({r.Left, r.Bottom - 22, r.Right, r.Bottom});
}

void TPainter::KeyBorders(TBitmap& picture, int ox, int oy) {
  // Pixels of the key colour in see-through borders are outside the window region.
  const int w = opt_.Width, h = opt_.Height;
  const TRect parts[4] = {frame_.Left, frame_.Right, frame_.Title, frame_.Bottom};
  const int index[4] = {bdLeft, bdRight, bdTop, bdBottom};
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      uint32_t p = win_.ScanLine(y)[x];
      bool hole = false;
      for (int i = 0; i < 4 && !hole; ++i) {
        const TRect& pr = parts[i];
        hole = skin_.Borders[index[i]]->Style.KeyedRegion && x >= pr.Left && x < pr.Right && y >= pr.Top && y < pr.Bottom &&
               ((p >> 16) & 0xFF) == 255 && ((p >> 8) & 0xFF) <= 1 && (p & 0xFF) == 255;
      }
      if (!hole) picture.ScanLine(oy + y)[ox + x] = p;
    }
}

TBitmap TPainter::Paint() {
  const int w = opt_.Width, h = opt_.Height;
  Frame();
  MenuBar(frame_.MenuBar);
  Client(frame_.Client);
  TBitmap picture(w + 2 * PreviewMargin, h + 2 * PreviewMargin);
  for (int y = 0; y < picture.Height(); ++y) {
    const uint32_t c = PixelFromColor(MakeRGB(206 - y * 30 / picture.Height(), 212 - y * 26 / picture.Height(), 220 - y * 20 / picture.Height()));
    std::fill(picture.ScanLine(y), picture.ScanLine(y) + picture.Width(), c);
  }
  KeyBorders(picture, PreviewMargin, PreviewMargin);
  return picture;
}

}  // namespace

TBitmap RenderPreview(const TSkinModel& skin, const TPreviewOptions& options, const TPreviewFonts& fonts) {
  return TPainter(skin, options, fonts).Paint();
}

}  // namespace pelorin::skintool
