// Menu bar layout, hit testing, accelerators and switching between bar items.
#include <gtest/gtest.h>

#include "menus/MenuBarLayout.h"
#include "menus/MenuSwitching.h"
#include "skinmodel/SkinRecords.h"

using namespace pelorin;

namespace {
// Seven pixels per character: easy widths to check.
int SevenPerChar(const std::string& s) { return 7 * static_cast<int>(s.size()); }
}  // namespace

TEST(MenuBarLayout, ItemsSitSideBySideFromTheSkinMargin) {
  TDataSkinObject bar;
  bar.Margins.Left = 5;
  EXPECT_EQ(MenuBarFirstX(&bar, 200), 9);
  EXPECT_EQ(MenuBarFirstX(&bar, 8), 12);  // margin wider than the bar
  EXPECT_EQ(MenuBarFirstX(nullptr, 200), 6);

  const std::vector<TMenuBarEntry> items{{"&File", true}, {"", true}, {"&&Help", false}};
  const TRect barRect{4, 30, 304, 49};  // window coordinates, 19 high
  const auto slots = LayoutMenuBar(items, barRect, 9, SevenPerChar);
  ASSERT_EQ(slots.size(), 3u);
  // "File" is 4 characters: 28 + 10; the mark is not measured.
  EXPECT_EQ(slots[0], (TMenuBarSlot{{13, 30, 51, 48}, {9, 0, 47, 18}}));
  EXPECT_EQ(slots[1].Bounds, (TRect{51, 30, 61, 48}));
  EXPECT_EQ(slots[2].Bounds, (TRect{61, 30, 61 + 5 * 7 + 10, 48}));

  EXPECT_EQ(MenuBarItemAt(items, slots, {13, 30}), 0);
  EXPECT_EQ(MenuBarItemAt(items, slots, {50, 47}), 0);
  EXPECT_EQ(MenuBarItemAt(items, slots, {50, 48}), -1);  // the bar's last row is no item's
  EXPECT_EQ(MenuBarItemAt(items, slots, {55, 35}), -1);  // empty caption
  EXPECT_EQ(MenuBarItemAt(items, slots, {61, 35}), 2);   // disabled items are still hit
  EXPECT_EQ(MenuBarItemAt(items, slots, {12, 35}), -1);
}

TEST(MenuBarLayout, HugeWidthsStayInRange) {
  const std::vector<TMenuBarEntry> items{{"a", true}, {"b", true}};
  const auto slots = LayoutMenuBar(items, {0, 0, 100, 20}, 6, [](const std::string&) { return 0x7FFFFFF0; });
  ASSERT_EQ(slots.size(), 2u);
  EXPECT_GE(slots[1].Bounds.Left, slots[0].Bounds.Left);
  EXPECT_GE(slots[1].Bounds.Right, slots[1].Bounds.Left);
}

TEST(MenuBarAccel, MarksAndLookup) {
  EXPECT_EQ(MenuAccelOf("&File"), unsigned('F'));
  EXPECT_EQ(MenuAccelOf("E&xit"), unsigned('X'));
  EXPECT_EQ(MenuAccelOf("Save && &quit"), unsigned('Q'));
  EXPECT_EQ(MenuAccelOf("Fish && Chips"), 0u);
  EXPECT_EQ(MenuAccelOf("Trailing&"), 0u);
  EXPECT_EQ(MenuAccelOf("&\xC3\xA9t\xC3\xA9"), 0xE9u);  // UTF-8 character
  EXPECT_EQ(StripMenuAccel("Save && &quit&"), "Save & quit");

  const std::vector<TMenuBarEntry> items{{"&File", true}, {"&Format", false}, {"F&ormat", true}, {"&format", true}};
  EXPECT_EQ(FindMenuAccel(items, 'f'), 0);
  EXPECT_EQ(FindMenuAccel(items, 'O'), 2);
  EXPECT_EQ(FindMenuAccel(items, 'z'), -1);
  EXPECT_EQ(FindMenuAccel(items, 0), -1);
  // The disabled "&Format" is skipped, the next match wins.
  const std::vector<TMenuBarEntry> later{{"&Format", false}, {"&format", true}};
  EXPECT_EQ(FindMenuAccel(later, 'F'), 1);
}

TEST(MenuSwitching, ArrowKeysWrapAroundTheBar) {
  EXPECT_EQ(NeighbourBarItem(2, 3, 1), 0);
  EXPECT_EQ(NeighbourBarItem(0, 3, -1), 2);
  EXPECT_EQ(NeighbourBarItem(0, 0, 1), -1);
  EXPECT_EQ(ArrowForReading(vk::Left, true), vk::Right);
  EXPECT_EQ(ArrowForReading(vk::Right, true), vk::Left);
  EXPECT_EQ(ArrowForReading(vk::Down, true), vk::Down);
  EXPECT_EQ(ArrowForReading(vk::Left, false), vk::Left);

  TMenuSwitcher s;
  s.Start(2, {100, 10});
  EXPECT_TRUE(s.TakeFirstKey());
  EXPECT_FALSE(s.TakeFirstKey());
  // Nothing selected yet: both arrows leave the popup.
  EXPECT_EQ(s.KeyDown(vk::Right, 3), 0);
  EXPECT_TRUE(s.Switching());
  EXPECT_FALSE(s.MenuSelect(true, {}));  // the close is part of the switch

  s.Start(0, {100, 10});
  EXPECT_FALSE(s.Switching());
  EXPECT_EQ(s.KeyDown(vk::Left, 3), 2);
  s.Start(1, {100, 10});
  EXPECT_EQ(s.KeyDown(vk::Down, 3), -1);
  EXPECT_EQ(s.KeyDown(vk::Escape, 3), -1);
  EXPECT_FALSE(s.Switching());
  EXPECT_TRUE(s.MenuSelect(true, {}));  // a real close ends tracking
  s.Stop();
  EXPECT_EQ(s.OpenIndex(), -1);
  EXPECT_EQ(s.KeyDown(vk::Right, 3), -1);  // nothing open
}

TEST(MenuSwitching, SubmenusKeepTheirArrows) {
  TMenuSwitcher s;
  s.Start(0, {0, 0});
  // An item with a submenu: Right opens it, Left (in the bar popup) moves on.
  s.MenuSelect(false, {true, true, true, false});
  EXPECT_EQ(s.KeyDown(vk::Right, 4), -1);
  EXPECT_EQ(s.KeyDown(vk::Left, 4), 3);
  // Inside a cascaded submenu: Left closes it, Right on a plain item moves on.
  s.Start(0, {0, 0});
  s.MenuSelect(false, {true, false, false, false});
  EXPECT_EQ(s.KeyDown(vk::Left, 4), -1);
  EXPECT_EQ(s.KeyDown(vk::Right, 4), 1);
  // A selection after a switch began ends the switch.
  s.MenuSelect(false, {true, false, true, false});
  EXPECT_FALSE(s.Switching());
}

TEST(MenuSwitching, MouseMovesOnlyCountOnceAndOnOtherItems) {
  TMenuSwitcher s;
  s.Start(1, {50, 5});
  EXPECT_EQ(s.MouseMove({50, 5}, 2), -1);  // where the popup opened
  EXPECT_EQ(s.MouseMove({51, 5}, 1), -1);  // still on the open item
  EXPECT_EQ(s.MouseMove({52, 5}, -1), -1);
  EXPECT_EQ(s.MouseMove({90, 5}, 2), 2);
  EXPECT_TRUE(s.Switching());
  EXPECT_EQ(s.MouseMove({90, 5}, 2), -1);  // the same position again
}

TEST(MenuSwitching, DisabledItemsArePassedOver) {
  TMenuSwitcher s;
  s.Enabled = [](int i) { return i != 2 && i != 3; };  // five items, 2 and 3 disabled
  s.Start(1, {0, 0});
  EXPECT_EQ(s.KeyDown(vk::Right, 5), 4);
  s.Start(4, {0, 0});
  EXPECT_EQ(s.KeyDown(vk::Left, 5), 1);
  s.Start(4, {0, 0});
  EXPECT_EQ(s.MouseMove({10, 0}, 3), -1);  // the open popup stays
  EXPECT_FALSE(s.Switching());
  EXPECT_EQ(s.MouseMove({20, 0}, 0), 0);
  // Nothing else can open: the arrows keep the open item.
  s.Enabled = [](int i) { return i == 1; };
  s.Start(1, {0, 0});
  EXPECT_EQ(s.KeyDown(vk::Right, 5), -1);
  EXPECT_EQ(s.KeyDown(vk::Left, 5), -1);
  EXPECT_FALSE(s.Switching());
}
