// Owner-drawn menu items: frames by state, separators, the popup frame image
// as background, plain drawing, measuring and the handlers of popup menu
// components.
#include <gtest/gtest.h>

#include "host/win/Graphics.h"
#include "host/win/Menus.h"
#include "manager/ManagerCore.h"
#include "menus/win/MenuItemPaint.h"
#include "menus/win/SkinMenuItems.h"
#include "menus/win/WinSkinPopMenu.h"
#include "HostTestUtil.h"
#include "MenuTestUtil.h"
#include "skinmodel/WinSkinData.h"

using namespace pelorin;
using namespace pelorin::testing;

namespace {
TBitmap DrawItem(const TMenuItemView& view, const TSkinModel& skin, bool selected, const TBitmap* background = nullptr,
                 TRect r = {0, 0, 120, 22}) {
  TBitmap target(r.Right, r.Bottom);
  target.Fill(MakeRGB(1, 2, 3));
  TBitmapCanvas canvas(target);
  DrawSkinMenuItemView(view, canvas, r, selected, skin, background);
  canvas.Flush();
  return target;
}
TMenuItemView Item(const char* caption) {
  TMenuItemView v;
  v.Caption = caption;
  return v;
}
}  // namespace

TEST(MenuItemPaint, StateChoosesTheFrameAndTheTextColour) {
  TSkinModel skin;
  GiveMenuItemImage(skin);
  const TRect right{100, 0, 120, 22};  // right of any text
  const TBitmap normal = DrawItem(Item("&Open"), skin, false);
  EXPECT_EQ(CountColour(normal, right, kFrameColours[0]), right.Width() * right.Height());
  EXPECT_GT(CountColour(normal, {20, 0, 80, 22}, skin.colors[csMenuText]), 5);

  const TBitmap selected = DrawItem(Item("&Open"), skin, true);
  EXPECT_EQ(CountColour(selected, right, kFrameColours[3]), right.Width() * right.Height());
  EXPECT_GT(CountColour(selected, {20, 0, 80, 22}, skin.colors[csHilightText]), 5);
  EXPECT_EQ(CountColour(selected, {20, 0, 80, 22}, skin.colors[csMenuText]), 0);

  TMenuItemView disabled = Item("&Open");
  disabled.Enabled = false;
  const TBitmap grey = DrawItem(disabled, skin, true);
  EXPECT_GT(CountColour(grey, {20, 0, 80, 22}, skin.colors[csButtonShadow]), 5);

  // The shortcut ends 10 pixels before the right edge.
  TMenuItemView withKey = Item("Save");
  withKey.ShortCut = "Ctrl+S";
  const TBitmap keyed = DrawItem(withKey, skin, false);
  EXPECT_GT(CountColour(keyed, {70, 0, 110, 22}, skin.colors[csMenuText]), 5);
  EXPECT_EQ(CountColour(keyed, {110, 0, 120, 22}, skin.colors[csMenuText]), 0);

  // Drawn where asked, nothing outside.
  const TBitmap offset = DrawItem(Item("x"), skin, false, nullptr, {10, 5, 60, 25});
  EXPECT_EQ(offset.GetPixel(9, 10), MakeRGB(1, 2, 3));
  EXPECT_EQ(offset.GetPixel(59, 24), kFrameColours[0]);
}

TEST(MenuItemPaint, SeparatorsUseFrameTwoOverThePopupBackground) {
  TSkinModel skin;
  GiveMenuItemImage(skin);
  // Frame 2's upper half is see-through.
  skin.MenuItem->Bitmap.FillRect({20, 0, 40, 10}, MakeRGB(255, 0, 255));
  TBitmap popup(200, 100);
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 200; ++x) popup.SetPixel(x, y, MakeRGB(x, y, 7));

  const TRect r{0, 30, 120, 38};  // 8 high: the bottom 8 rows of the frame, all solid
  TBitmap sep = DrawItem(Item("-"), skin, false, &popup, r);
  EXPECT_EQ(CountColour(sep, r, kFrameColours[1]), r.Width() * r.Height());

  const TRect tall{0, 30, 120, 50};  // 20 high: the key-coloured rows show the background
  sep = DrawItem(Item("-"), skin, false, &popup, tall);
  EXPECT_EQ(sep.GetPixel(50, 31), MakeRGB(53, 34, 7));  // item pixel (50, 31) shows frame pixel (53, 34)
  EXPECT_EQ(sep.GetPixel(50, 45), kFrameColours[1]);

  // Without a frame image the menu colour is the background.
  sep = DrawItem(Item("-"), skin, false, nullptr, tall);
  EXPECT_EQ(sep.GetPixel(50, 31), skin.colors[csMenu]);

}

TEST(MenuItemPaint, NativeSeparatorsLookLikeTheFrameworksOnes) {
  EnsureSkinManager();
  {
    TSkinData skin(nullptr);
    GiveMenuItemImage(skin);
    // A plain Win32 menu, drawn as the window's WM_DRAWITEM draws it.
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, 5, L"Open");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    TSkinMenuItems items(nullptr, &skin, nullptr);
    items.SetOpenPopup(menu);
    TBitmap target(120, 8);
    target.Fill(MakeRGB(1, 2, 3));
    DRAWITEMSTRUCT dis{};
    dis.CtlType = ODT_MENU;
    dis.itemID = 0;
    dis.hwndItem = reinterpret_cast<HWND>(menu);
    dis.hDC = static_cast<HDC>(target.DC());
    dis.rcItem = {0, 0, 120, 8};
    ASSERT_TRUE(items.DrawItem(dis));
    GdiFlush();
    // Frame 2 across the whole item, as for a host separator.
    EXPECT_EQ(CountColour(target, target.BoundsRect(), kFrameColours[1]), 120 * 8);
    DestroyMenu(menu);
  }
  DestroySkinManager();
}

TEST(MenuItemPaint, PlainDrawingWithoutAnImageAndCheckMarks) {
  TSkinModel skin;
  GiveMenuItemImage(skin);
  skin.MenuItem.reset();
  EXPECT_EQ(DrawItem(Item("Open"), skin, true).GetPixel(115, 10), skin.colors[csHilight]);
  EXPECT_EQ(DrawItem(Item("Open"), skin, false).GetPixel(115, 10), skin.colors[csButtonFace]);
  // A separator's etched line runs across the item, 4 pixels down.
  const TBitmap line = DrawItem(Item("-"), skin, false, nullptr, {0, 0, 120, 8});
  EXPECT_EQ(line.GetPixel(10, 4), ColorToRGB(clBtnShadow));
  EXPECT_EQ(line.GetPixel(110, 4), ColorToRGB(clBtnShadow));
  EXPECT_EQ(line.GetPixel(110, 2), skin.colors[csButtonFace]);

  TMenuItemView checked = Item("Open");
  checked.Checked = true;
  const TBitmap withMark = DrawItem(checked, skin, false);
  const int marked = CountColour(withMark, {1, 1, 19, 19}, ColorToRGB(clBtnText));
  EXPECT_GT(marked, 3);
  EXPECT_EQ(CountColour(DrawItem(Item("Open"), skin, false), {1, 1, 19, 19}, ColorToRGB(clBtnText)), 0);

  // An image from the image list, and the checked look behind it.
  TImageList images(nullptr);
  TBitmap glyph(16, 16);
  glyph.Fill(MakeRGB(0, 255, 0));
  images.Add(glyph);
  TMenuItemView imaged = Item("Open");
  imaged.Images = &images;
  imaged.ImageIndex = 0;
  EXPECT_EQ(CountColour(DrawItem(imaged, skin, false), {1, 1, 17, 17}, MakeRGB(0, 255, 0)), 256);
  imaged.ImageIndex = 5;  // out of range: nothing, no fault
  EXPECT_EQ(CountColour(DrawItem(imaged, skin, false), {1, 1, 17, 17}, MakeRGB(0, 255, 0)), 0);
}

TEST(MenuItemHandlers, PrepareMenusHooksOnlyWhatItMay) {
  EnsureSkinManager();
  {
    TSkinData skin(nullptr);
    GiveMenuItemImage(skin);
    TComponent form(nullptr);
    auto* popup = new TPopupMenu(&form);
    auto* plain = NewItem(popup, "", popup->Items());
    auto* own = NewItem(popup, "", popup->Items());
    auto* kept = NewItem(popup, "", popup->Items());
    auto* child = NewItem(popup, "", plain);
    int ownDraws = 0;
    own->OnDrawItem = [&](TObject*, TCanvas&, TRect, bool) { ++ownDraws; };
    kept->SetTag(999);
    kept->OnDrawItem = [&](TObject*, TCanvas&, TRect, bool) { ++ownDraws; };
    auto* skipped = new TPopupMenu(&form);
    skipped->SetTag(199);
    auto* skippedItem = NewItem(skipped, "", skipped->Items());

    TSkinMenuItems items(nullptr, &skin, nullptr);
    items.PrepareMenus(&form, true);
    EXPECT_TRUE(popup->OwnerDraw());
    EXPECT_TRUE(plain->OnDrawItem && plain->OnMeasureItem && child->OnDrawItem);
    EXPECT_FALSE(own->OnMeasureItem);  // the application draws it
    EXPECT_FALSE(kept->OnMeasureItem);
    EXPECT_FALSE(skipped->OwnerDraw());
    EXPECT_FALSE(skippedItem->OnDrawItem);
    items.PrepareMenus(&form, true);  // twice changes nothing

    // Measuring through the item's own path: 28 wider, separators keep 8.
    TBitmap b(4, 4);
    TBitmapCanvas canvas(b);
    int w = 0, h = 0;
    items.WinVersion = 0x0A280105u;
    child->SetCaption("-");
    child->MeasureItem(canvas, w, h);
    EXPECT_EQ(w, 10 + 28);
    EXPECT_EQ(h, 8);
    items.WinVersion = 0xC0000A04u;
    child->MeasureItem(canvas, w, h);
    EXPECT_EQ(h, 8);

    items.PrepareMenus(&form, false);
    EXPECT_FALSE(popup->OwnerDraw());
    EXPECT_FALSE(plain->OnDrawItem || plain->OnMeasureItem || child->OnDrawItem);
    ASSERT_TRUE(own->OnDrawItem);
    ASSERT_TRUE(kept->OnDrawItem);
    own->DrawItem(canvas, {0, 0, 4, 4}, false);
    kept->DrawItem(canvas, {0, 0, 4, 4}, false);
    EXPECT_EQ(ownDraws, 2);

    skin.SkinControls.Exclude(xcPopupMenu);
    items.PrepareMenus(&form, true);
    EXPECT_FALSE(popup->OwnerDraw());
    EXPECT_FALSE(plain->OnDrawItem);
  }
  DestroySkinManager();
}

TEST(MenuPopupFrame, FramesFromTheBackgroundImageAndTheSkinnerList) {
  TSkinModel skin;
  GiveMenuItemImage(skin);
  HWND wnd = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 10, 10, 80, 60, nullptr, nullptr,
                             nullptr, nullptr);
  ASSERT_TRUE(wnd);
  TPopupMenuSkinners& list = PopupMenuSkinners();
  TWinSkinPopMenu* s = list.Attach(wnd, &skin);
  ASSERT_TRUE(s);
  EXPECT_EQ(list.Attach(wnd, &skin), nullptr);  // one skinner per window
  EXPECT_FALSE(s->ComposeFrame(80, 60));        // no MenuBackground: the system frame stays

  skin.MenuBackground = std::make_unique<TDataSkinObject>("MenuBackground");
  skin.MenuBackground->Bitmap = FrameStrip(1, 12, 12);
  skin.MenuBackground->Bitmap.FillRect({4, 4, 8, 8}, MakeRGB(9, 9, 9));
  skin.MenuBackground->Margins = {4, 4, 4, 4};
  TBitmap target(80, 60);
  target.Fill(MakeRGB(1, 1, 1));
  {
    TBitmapCanvas canvas(target);
    EXPECT_TRUE(s->PaintFrame(canvas.Handle()));
    canvas.Flush();
  }
  EXPECT_EQ(target.GetPixel(0, 0), kFrameColours[0]);
  EXPECT_EQ(target.GetPixel(79, 59), kFrameColours[0]);
  EXPECT_EQ(target.GetPixel(2, 30), kFrameColours[0]);
  EXPECT_EQ(target.GetPixel(3, 30), MakeRGB(1, 1, 1));  // only three pixels of border
  EXPECT_EQ(target.GetPixel(40, 30), MakeRGB(1, 1, 1));
  EXPECT_EQ(s->FrameBitmap().GetPixel(40, 30), MakeRGB(9, 9, 9));

  // The first drawn item tells the frame which menu it shows.
  EXPECT_EQ(list.PendingPopupMenu, s);
  HMENU menu = CreatePopupMenu();
  EXPECT_EQ(list.FindPopupBitmap(menu), nullptr);
  list.TakePendingMenu(menu);
  EXPECT_EQ(list.PendingPopupMenu, nullptr);
  EXPECT_EQ(list.FindPopupBitmap(menu), &s->FrameBitmap());

  EXPECT_TRUE(list.Release(wnd));
  EXPECT_FALSE(list.Release(wnd));
  EXPECT_EQ(list.FindPopupBitmap(menu), nullptr);
  EXPECT_EQ(list.Count(), 0);
  DestroyMenu(menu);
  DestroyWindow(wnd);
}
