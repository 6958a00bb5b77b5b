// Owner-drawn menu items, image lists, radio groups, scroll boxes, labels and
// the GDI objects controls give back, under Wine.
#include <gtest/gtest.h>

#include "HostTestUtil.h"
#include "host/win/ExtCtrls.h"
#include "host/win/Menus.h"
#include "host/win/platform/GdiCounters.h"

namespace pelorin {
namespace {

using testing::Child;
using testing::NewItem;
using testing::THostTest;

using HostOwnerDraw = THostTest;

TEST_F(HostOwnerDraw, MenuItemsMeasureAndDrawThroughTheirEvents) {
  auto* form = new TForm(app);
  auto* popup = new TPopupMenu(form);
  auto* plain = NewItem(form, "&Plain", popup->Items());
  auto* custom = NewItem(form, "Custom", popup->Items());
  popup->SetOwnerDraw(true);
  MENUITEMINFOW mii{};
  mii.cbSize = sizeof mii;
  mii.fMask = MIIM_FTYPE;
  GetMenuItemInfoW(popup->Handle(), 0, TRUE, &mii);
  EXPECT_TRUE(mii.fType & MFT_OWNERDRAW);

  TRect drawnRect;
  bool drawnSelected = false;
  custom->OnMeasureItem = [](TObject*, TCanvas&, int& w, int& h) {
    w = 123;
    h = 45;
  };
  custom->OnDrawItem = [&](TObject*, TCanvas& c, TRect r, bool selected) {
    drawnRect = r;
    drawnSelected = selected;
    c.Brush().SetColor(clLime);
    c.FillRect(r);
  };
  MEASUREITEMSTRUCT mis{ODT_MENU, 0, custom->Command(), 0, 0, 0};
  EXPECT_TRUE(SendMessageW(form->Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis)));
  EXPECT_EQ(mis.itemWidth, 123u);
  EXPECT_EQ(mis.itemHeight, 45u);
  MEASUREITEMSTRUCT plainMis{ODT_MENU, 0, plain->Command(), 0, 0, 0};
  SendMessageW(app->Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&plainMis));  // via the application window
  EXPECT_GE(plainMis.itemHeight, 19u);
  EXPECT_GT(plainMis.itemWidth, 30u);

  TBitmap target(140, 50);
  DRAWITEMSTRUCT dis{};
  dis.CtlType = ODT_MENU;
  dis.itemID = custom->Command();
  dis.itemState = ODS_SELECTED;
  dis.hDC = static_cast<HDC>(target.DC());
  dis.rcItem = {2, 3, 125, 48};
  EXPECT_TRUE(SendMessageW(form->Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&dis)));
  EXPECT_EQ(drawnRect, Rect(2, 3, 125, 48));
  EXPECT_TRUE(drawnSelected);
  GdiFlush();
  EXPECT_EQ(target.GetPixel(10, 10), clLime);
  // The default drawing of a selected item uses the highlight colour.
  dis.itemID = plain->Command();
  SendMessageW(form->Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&dis));
  GdiFlush();
  EXPECT_EQ(target.GetPixel(3, 4), ColorToRGB(clHighlight));
  // A command nobody owns is left to the system.
  dis.itemID = 0xFEFE;
  EXPECT_FALSE(SendMessageW(form->Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&dis)));
}

TEST_F(HostOwnerDraw, ImageListsCutStripsAndDrawWithTheirMask) {
  TImageList images(nullptr);
  TBitmap strip(48, 16);
  strip.Fill(clFuchsia);
  strip.FillRect(Rect(16, 0, 32, 16), clBlue);
  strip.FillRect(Rect(36, 4, 40, 8), clRed);
  EXPECT_EQ(images.AddMasked(strip, clFuchsia), 0);
  EXPECT_EQ(images.Count(), 3);
  EXPECT_EQ(ImageList_GetImageCount(images.Handle()), 3);
  TBitmap target(20, 20);
  target.Fill(clWhite);
  TBitmapCanvas c(target);
  images.Draw(c, 2, 2, 2);
  GdiFlush();
  EXPECT_EQ(target.GetPixel(2, 2), clWhite);  // masked
  EXPECT_EQ(target.GetPixel(6, 6), clRed);
  images.Draw(c, 2, 2, 2, false);
  GdiFlush();
  EXPECT_EQ(target.GetPixel(6, 6), ColorToRGB(clBtnShadow));
  EXPECT_EQ(target.GetPixel(2, 2), clWhite);
  images.Draw(c, 0, 0, 7);  // out of range: nothing
  images.SetSize(8, 8);
  EXPECT_EQ(images.Count(), 0);
}

TEST_F(HostOwnerDraw, RadioGroupsScrollBoxesAndLabels) {
  auto* form = new TForm(app);
  form->SetBounds(0, 0, 400, 300);
  auto* group = Child<TRadioGroup>(form);
  TStringList items;
  items.Add("One");
  items.Add("Two");
  items.Add("Three");
  group->SetItems(items);
  EXPECT_EQ(group->ControlCount(), 3);
  int clicks = 0;
  group->OnClick = [&](TObject*) { ++clicks; };
  auto* second = dynamic_cast<TRadioButton*>(group->Controls(1));
  ASSERT_NE(second, nullptr);
  SendMessageW(second->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(group->ItemIndex(), 1);
  EXPECT_EQ(clicks, 1);
  group->SetItemIndex(2);  // set in code: no click
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(second->Checked());
  items.Delete(2);
  group->SetItems(items);
  EXPECT_EQ(group->ControlCount(), 2);
  EXPECT_EQ(group->ItemIndex(), -1);

  auto* box = Child<TScrollBox>(form);
  box->SetBounds(0, 120, 100, 100);
  auto* distant = Child<TButton>(box, form);
  distant->SetBounds(10, 300, 75, 25);
  box->UpdateScrollBars();
  EXPECT_TRUE(GetWindowLongPtrW(box->Handle(), GWL_STYLE) & WS_VSCROLL);
  EXPECT_EQ(box->ScrollRange().Y, 325);
  SendMessageW(box->Handle(), WM_VSCROLL, SB_BOTTOM, 0);
  EXPECT_GT(box->ScrollPos().Y, 0);
  EXPECT_EQ(distant->Top(), 300 - box->ScrollPos().Y);
  box->SetAutoScroll(false);
  EXPECT_EQ(distant->Top(), 300);

  auto* label = Child<TLabel>(form);
  label->SetCaption("Press &Up");
  const int narrow = label->Width();
  label->SetCaption("Press \"Up/Down\" Change Skin ");
  EXPECT_GT(label->Width(), narrow);
  label->SetAutoSize(false);
  label->SetCaption("x");
  EXPECT_GT(label->Width(), narrow);
}

TEST_F(HostOwnerDraw, FormsGiveTheirGdiObjectsBack) {
  const long before = GdiCounters::Live();
  for (int i = 0; i < 3; ++i) {
    auto* form = new TForm(app);
    auto* panel = Child<TPanel>(form);
    panel->SetCaption("x");
    panel->Font().SetHeight(-20);
    Child<TLabel>(panel, form)->SetCaption("label");
    form->SetDoubleBuffered(true);
    form->Show();
    UpdateWindow(form->Handle());
    delete form;
  }
  EXPECT_EQ(GdiCounters::Live(), before);
}

}  // namespace
}  // namespace pelorin
