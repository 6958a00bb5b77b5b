// Skinned tab controls and headers under Wine: the strip and page frame read
// back from the screen on every side, the scroll arrows of a crowded strip,
// skin switches, skins without the elements, and list view headers.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "controls/TabLayout.h"
#include "controls/win/AttachControls.h"
#include "controls/win/SkinHeader.h"
#include "controls/win/SkinTab.h"
#include "host/win/ComCtrls.h"
#include "paint/DrawElement.h"
#include "paint/SkinPaint.h"
#include "tests/win/ControlTestUtil.h"
#include "tests/win/FrameTestUtil.h"

namespace pelorin {
namespace {

using namespace testing;

TRect ItemRect(HWND wnd, UINT message, int i) {
  RECT r{};
  SendMessageW(wnd, message, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
  return Rect(r.left, r.top, r.right, r.bottom);
}

// The visible child windows of wnd (pages, scroll arrows) keep what the screen shows.
void KeepChildren(TBitmap& expected, const TBitmap& shown, HWND wnd) {
  for (HWND c = GetWindow(wnd, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    if (!IsWindowVisible(c)) continue;
    RECT r;
    GetWindowRect(c, &r);
    MapWindowPoints(nullptr, wnd, reinterpret_cast<POINT*>(&r), 2);
    CopyPixels(expected, r.left, r.top, shown, Rect(r.left, r.top, r.right, r.bottom));
  }
}

// What a skinned tab control without captions shows: the screen with the
// strip (selected tab in frame 2) and the page frame composed over it.
TBitmap ExpectedTabs(const TBitmap& shown, HWND wnd, const TSkinData& skin) {
  TBitmap b(shown);
  const TTabSide side = TabSideFromStyle(static_cast<uint32_t>(GetWindowLongPtrW(wnd, GWL_STYLE)));
  TTabImages images;
  PrepareTabImages(side, skin.Tab.get(), images);
  RECT cr, d;
  GetClientRect(wnd, &cr);
  d = cr;
  SendMessageW(wnd, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&d));
  const TRect page = TabPageRect(side, Rect(d.left, d.top, d.right, d.bottom));
  const TRect strip = TabStripRect(side, Rect(0, 0, cr.right, cr.bottom), page);
  const TPoint size = TabStripBufferSize(side, strip);
  TBitmap lying(size.X, size.Y), standing;
  lying.Fill(ColorToRGB(skin.colors[csButtonFace]));
  const int count = static_cast<int>(SendMessageW(wnd, TCM_GETITEMCOUNT, 0, 0));
  const int current = static_cast<int>(SendMessageW(wnd, TCM_GETCURSEL, 0, 0));
  for (int i = 0; i < count; ++i)
    if (i != current) DrawTab(lying, TabInStrip(side, ItemRect(wnd, TCM_GETITEMRECT, i), strip), images, *skin.Tab, 1);
  if (current >= 0)
    DrawTab(lying, TabInStrip(side, ItemRect(wnd, TCM_GETITEMRECT, current), strip), images, *skin.Tab, 2);
  TurnTabStrip(side, lying, standing);
  CopyPixels(b, strip.Left, strip.Top, standing, standing.BoundsRect());
  if (!images.Border.Empty()) DrawSkinBorder(b, page, images.Border, false, 1, 1, TabBorderMargins(side));
  KeepChildren(b, shown, wnd);
  return b;
}

class ControlTabs : public TSkinnedFormTest {
protected:
  void SetUp() override {
    THostTest::SetUp();
    MakeForm(MakeSkin(skingen::GraphiteTheme()), 40, 40, 520, 360);  // dark
    ASSERT_TRUE(skin->Tab && !skin->Tab->Bitmap2.Empty());
    pages = Add<TPageControl>(10, 10, 300, 200);
    for (int i = 0; i < 4; ++i) {
      auto* sheet = new TTabSheet(form);
      sheet->SetPageControl(pages);
      sheet->SetCaption(" ");
    }
    pages->SetActivePageIndex(1);
    tabs = Add<TTabControl>(320, 10, 180, 150);
    TStringList list;
    for (const char* t : {"MMWW", "MMWW", "MMWW"}) list.Add(t);
    tabs->SetTabs(list);
    tabs->SetTabIndex(0);
    form->Show();
    testing::Pump();
  }
  int Mismatch(HWND wnd) {
    const TBitmap shown = ReadScreen(wnd);
    return DifferingPixels(shown, ExpectedTabs(shown, wnd, *skin));
  }

  TPageControl* pages = nullptr;
  TTabControl* tabs = nullptr;
};

TEST_F(ControlTabs, StripSelectedTabPageFrameAndCaptionColoursOnEverySide) {
  const TColor normal = skin->Tab->NormalColour, selected = skin->Tab->MouseOverColour;
  ASSERT_NE(normal, selected);
  for (TTabPosition position : {tpTop, tpBottom, tpLeft, tpRight}) {
    SCOPED_TRACE(int(position));
    pages->SetTabPosition(position);  // a new window
    tabs->SetTabPosition(position);
    const TBitmap system = ReadScreen(pages->Handle());
    TWinSkinForm host(skin.get());
    ASSERT_EQ(AttachControls(host, *form, skin.get()), 6);  // and the page control's four sheets
    EXPECT_EQ(WindowSkinners().FindAs<TSkinTab>(pages->Handle())->Orientation(), TTabSide(position));
    EXPECT_GT(DifferingPixels(system, ReadScreen(pages->Handle())), 0);
    EXPECT_EQ(Mismatch(pages->Handle()), 0);
    pages->SetActivePageIndex(2);  // repainted with the new selection
    EXPECT_EQ(Mismatch(pages->Handle()), 0);
    pages->SetActivePageIndex(1);
    const HWND wnd = tabs->Handle();
    const TBitmap shown = ReadScreen(wnd);
    const TRect on = ItemRect(wnd, TCM_GETITEMRECT, 0), off = ItemRect(wnd, TCM_GETITEMRECT, 1);
    EXPECT_GT(PixelsOf(shown, on, selected), 10);
    EXPECT_EQ(PixelsOf(shown, on, normal), 0);
    EXPECT_GT(PixelsOf(shown, off, normal), 10);
    EXPECT_EQ(PixelsOf(shown, off, selected), 0);
  }
}

TEST_F(ControlTabs, SkinSwitchesAndSkinsWithoutTheElements) {
  const HWND wnd = pages->Handle();
  const TBitmap system = ReadScreen(wnd);
  TWinSkinForm host(skin.get());
  ASSERT_EQ(AttachControls(host, *form, skin.get()), 6);  // and the page control's four sheets
  auto* tab = WindowSkinners().FindAs<TSkinTab>(wnd);

  // Tabs but no page frame: skinned tabs, the system's frame.
  TSkinFiles files = ThemeFiles(skingen::SlateTheme());
  SetKey(files, "Tabs", "Border", std::nullopt);
  const auto noBorder = MakeSkin(PackFiles(files));
  ASSERT_TRUE(noBorder->Tab && noBorder->Tab->Bitmap2.Empty());
  tab->ApplySkinChange(noBorder.get());
  EXPECT_EQ(tab->Images().Tab.GetPixel(0, 0), noBorder->Tab->Bitmap.GetPixel(0, 0));  // prepared again
  EXPECT_TRUE(tab->Images().Border.Empty());
  // Only the strip differs from the system look: the page keeps the system's frame.
  EXPECT_EQ(DifferingPixels(ReadScreen(wnd), ExpectedTabs(system, wnd, *noBorder)), 0);

  // A skin with none of the elements: nothing attaches, and an attached
  // skinner switched to it gives the system look back.
  const auto plain = MakeSkin(skingen::PlainTheme());
  ASSERT_EQ(plain->Tab, nullptr);
  TWinSkinForm none(plain.get());
  EXPECT_EQ(AttachControls(none, *form, plain.get()), 0);
  tab->ApplySkinChange(plain.get());
  EXPECT_EQ(DifferingPixels(ReadScreen(wnd), system), 0);
  tab->ApplySkinChange(skin.get());
  EXPECT_EQ(Mismatch(wnd), 0);
  // Without tab images the control keeps the system look, yet its sheets
  // take the form's face colour, or the controls on them would sit in boxes.
  host.Detach();
  TWinSkinForm sheetsOnly(plain.get());
  EXPECT_EQ(AttachControls(sheetsOnly, *form, plain.get()), 4);
  EXPECT_EQ(WindowSkinners().Find(wnd), nullptr);
  EXPECT_EQ(pages->Pages(2)->Color(), plain->colors[csButtonFace]);
}

TEST_F(ControlTabs, AttachDetachAndSkinSwitchCyclesLeaveNothing) {
  TStringList list;
  for (int i = 0; i < 8; ++i) list.Add("Tab");
  tabs->SetTabs(list);
  tabs->SetTabPosition(tpRight);  // the turned strip too
  const auto other = MakeSkin(skingen::EmberTheme());
  ExpectCyclesLeaveNothing(*form, skin.get(), other.get(), 6);  // and the page control's four sheets
  const long memory = LiveAllocations(), gdi = GdiCounters::Live();
  // Switches on the same skinners.
  {
    TWinSkinForm host(skin.get());
    ASSERT_EQ(AttachControls(host, *form, skin.get()), 6);  // and the page control's four sheets
    for (int i = 0; i < 2; ++i)
      for (const auto& s : host.ControlSkinners()) s->ApplySkinChange(i % 2 ? skin.get() : other.get());
    const long warm = LiveAllocations();
    for (int i = 0; i < 200; ++i)
      for (const auto& s : host.ControlSkinners()) s->ApplySkinChange(i % 2 ? skin.get() : other.get());
    EXPECT_EQ(LiveAllocations(), warm);
  }
  testing::Pump();
  EXPECT_EQ(LiveAllocations(), memory);
  EXPECT_EQ(GdiCounters::Live(), gdi);
  EXPECT_EQ(WindowSkinners().Find(tabs->Handle()), nullptr);
}

TEST(ControlDialogTabs, CrowdedStripKeepsItsScrollArrowsUsable) {
  auto skin = MakeSkin(skingen::SlateTheme());
  HWND dialog = PlainWindow();
  HWND tab = PlainChild(dialog, WC_TABCONTROLW, L"", WS_CLIPSIBLINGS, 10, 10, 200, 120);
  PlainChild(dialog, WC_TABCONTROLW, L"", TCS_OWNERDRAWFIXED, 220, 10, 150, 120);
  for (int i = 0; i < 40; ++i) {
    wchar_t text[] = L" ";
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    SendMessageW(tab, TCM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
  }
  testing::Pump();
  HWND arrows = FindWindowExW(tab, nullptr, UPDOWN_CLASSW, nullptr);
  ASSERT_TRUE(arrows && IsWindowVisible(arrows));
  const TBitmap before = ReadScreen(arrows);
  TBitmap scrolledArrows;
  {
    TWinSkinForm host(skin.get());
    EXPECT_EQ(AttachChildWindows(host, dialog, skin.get()), 1);  // not the owner-drawn one
    EXPECT_EQ(AttachChildWindows(host, dialog, skin.get()), 0);  // one skinner per window
    EXPECT_EQ(DifferingPixels(ReadScreen(arrows), before), 0);
    // A paint of the strip alone (no repaint of the arrows after it) leaves them alone.
    WindowSkinners().FindAs<TSkinTab>(tab)->PaintNow();
    EXPECT_EQ(DifferingPixels(ReadScreen(arrows), before), 0);
    // The arrows still scroll the tabs, and the strip follows.
    const TRect first = ItemRect(tab, TCM_GETITEMRECT, 0);
    RECT ar;
    GetClientRect(arrows, &ar);
    const LPARAM right = MAKELPARAM(ar.right - 3, ar.bottom / 2);
    SendMessageW(arrows, WM_LBUTTONDOWN, MK_LBUTTON, right);
    SendMessageW(arrows, WM_LBUTTONUP, 0, right);
    testing::Pump();
    EXPECT_LT(ItemRect(tab, TCM_GETITEMRECT, 0).Left, first.Left);
    const TBitmap shown = ReadScreen(tab);
    EXPECT_EQ(DifferingPixels(shown, ExpectedTabs(shown, tab, *skin)), 0);
    scrolledArrows = ReadScreen(arrows);
  }
  // What the arrows showed under the skinned strip is their own look.
  RedrawWindow(tab, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  EXPECT_EQ(DifferingPixels(ReadScreen(arrows), scrolledArrows), 0);
  DestroyWindow(dialog);
  testing::Pump();
}

TEST(ControlHeaders, ListViewHeaderItemsAndTheRestUseTheHeaderImage) {
  auto skin = MakeSkin(skingen::GraphiteTheme());
  ASSERT_TRUE(skin->HeaderBar);
  HWND dialog = PlainWindow();
  HWND list = PlainChild(dialog, WC_LISTVIEWW, L"", LVS_REPORT, 10, 10, 380, 200);
  for (int i = 0; i < 2; ++i) {
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH | LVCF_TEXT;
    column.cx = 100;
    column.pszText = const_cast<wchar_t*>(L"");
    SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column));
  }
  HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  ASSERT_NE(header, nullptr);
  testing::Pump();
  TWinSkinForm host(skin.get());
  // The list view's skinner brings its header's along.
  EXPECT_EQ(AttachChildWindows(host, dialog, skin.get()), 1);
  ASSERT_NE(WindowSkinners().FindAs<TSkinHeader>(header), nullptr);
  EXPECT_FALSE(AttachHeaderWindow(host, header, skin.get()));  // one skinner per window

  TBitmap shown = ReadScreen(header);
  TBitmap expected(shown.Width(), shown.Height());
  for (int i = 0; i < 2; ++i) DrawElement(expected, ItemRect(header, HDM_GETITEMRECT, i), *skin->HeaderBar, 1);
  DrawElement(expected, Rect(200, 0, expected.Width(), expected.Height()), *skin->HeaderBar, 1);
  EXPECT_EQ(DifferingPixels(shown, expected), 0);

  // Texts in the skin's colour; an item's image stays.
  HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR24, 1, 0);
  TBitmap blue(16, 16);
  blue.Fill(MakeRGB(0, 0, 250));
  HBITMAP copy = static_cast<HBITMAP>(CopyImage(static_cast<HBITMAP>(blue.Handle()), IMAGE_BITMAP, 0, 0, 0));
  ImageList_Add(images, copy, nullptr);
  DeleteObject(copy);
  SendMessageW(header, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
  wchar_t name[] = L"MMWW";
  HDITEMW item{};
  item.mask = HDI_TEXT | HDI_FORMAT | HDI_IMAGE;
  item.fmt = HDF_STRING | HDF_IMAGE | HDF_RIGHT;
  item.pszText = name;
  item.iImage = 0;
  SendMessageW(header, HDM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
  shown = ReadScreen(header);
  const TRect first = ItemRect(header, HDM_GETITEMRECT, 0);
  EXPECT_GT(PixelsOf(shown, first, skin->HeaderBar->NormalColour), 10);
  EXPECT_EQ(PixelsOf(shown, first, MakeRGB(0, 0, 250)), 16 * 16);
  EXPECT_EQ(PixelsOf(shown, Rect(first.Right - 4, 0, first.Right, first.Bottom), skin->HeaderBar->NormalColour), 0);
  host.ControlSkinners()[0]->Detach();
  DestroyWindow(dialog);
  ImageList_Destroy(images);
  testing::Pump();
}

}  // namespace
}  // namespace pelorin
