#include "controls/Classification.h"

#include <gtest/gtest.h>

#include <bit>
#include <set>

namespace pelorin {
namespace {

using K = TSkinnerKind;
constexpr uint32_t Win = ClassBit(ccWinControl);

TControlFacts Facts(uint32_t classes, std::string name = "", int tag = 0, uint32_t style = 0) {
  return {classes | Win, std::move(name), tag, style};
}
TClassification Classify(const TControlFacts& f, TSkinControlTypes families = TSkinControlTypes::All(),
                         bool tabs = true) {
  return ClassifyControl(f, families, 99, tabs);
}
TSkinControlTypes Without(std::initializer_list<TSkinControlType> types) {
  auto families = TSkinControlTypes::All();
  for (auto t : types) families.Exclude(t);
  return families;
}

// The smallest facts that pass a row's own test: its first class, name or tag.
TControlFacts MinimalFor(const TClassRow& row) {
  if (row.Classes) return Facts(1u << std::countr_zero(row.Classes));
  if (!row.Names.empty()) return Facts(0, std::string(row.Names.front()));
  if (row.Tag) return Facts(0, "", row.Tag);
  return Facts(ClassBit(ccScrollBox));
}

TEST(Classification, EveryRowIsReachableAndFallsThroughWithoutItsFamily) {
  std::set<K> reached;
  int expected = 1;
  for (const TClassRow& row : ClassificationRows()) {
    ASSERT_EQ(row.Number, expected++);
    const TControlFacts facts = MinimalFor(row);
    // No earlier row shadows this one.
    const TClassification got = Classify(facts);
    EXPECT_EQ(got.Row, row.Number) << "row " << row.Number << " decided by row " << got.Row;
    reached.insert(got.Kind);
    if (row.Member >= 0) {
      const TClassification without = Classify(facts, Without({TSkinControlType(row.Member)}));
      EXPECT_TRUE(without.Row == 0 || without.Row > row.Number) << "row " << row.Number;
    }
  }
  // Every skinner a framework control can get is reached by some row
  // (the date-time picker's combo box is reached through its style).
  for (K kind : {K::Tab, K::CheckBox, K::RadioButton, K::TrackBar, K::UpDown, K::RadioGroup, K::Box, K::FlatToolBar,
                 K::StatusBar, K::Progress, K::ScrollBarControl, K::ComboBox, K::Edit, K::ScrollBars,
                 K::GridScrollBars, K::BitButton, K::SpeedButton, K::ListView, K::Button, K::Frame, K::EmbeddedForm})
    EXPECT_TRUE(reached.count(kind)) << SkinnerKindName(kind);
}

TEST(Classification, TagsAndNamesThatAreNeverSkinned) {
  const auto button = Facts(ClassBit(ccButton));
  for (int tag : {99, 199, 1099}) EXPECT_EQ(Classify(Facts(ClassBit(ccButton), "", tag)).Kind, K::None) << tag;
  EXPECT_EQ(Classify(Facts(ClassBit(ccButton), "", -1)).Kind, K::Button);
  EXPECT_EQ(Classify(Facts(ClassBit(ccButton), "", -99)).Kind, K::Button);  // truncating remainder
  EXPECT_EQ(Classify(button).Kind, K::Button);
  EXPECT_EQ(Classify(Facts(ClassBit(ccCustomComboBox), "TDBCOMBOBOXEH")).Kind, K::None);
  EXPECT_FALSE(DisabledByTag(INT32_MIN, 99));
  EXPECT_TRUE(DisabledByTag(-1, -1));
}

TEST(Classification, FamiliesDecideAsTheRowsSay) {
  // A check box needs the button family, not the check-box one; that one
  // stops track bars, up-downs and the named check box instead.
  const auto check = Facts(ClassBit(ccCustomCheckBox));
  EXPECT_EQ(Classify(check, Without({xcCheckBox})).Kind, K::CheckBox);
  EXPECT_EQ(Classify(check, Without({xcButton})).Kind, K::None);
  EXPECT_EQ(Classify(Facts(0, "TTRACKBAR"), Without({xcCheckBox})).Kind, K::None);
  EXPECT_EQ(Classify(Facts(0, "TUPDOWN"), Without({xcCheckBox})).Kind, K::None);
  EXPECT_EQ(Classify(Facts(0, "TDBCHECKBOXEH"), Without({xcCheckBox})).Kind, K::None);
  // Without radio buttons a radio group is still a box.
  const auto group = Facts(ClassBit(ccCustomRadioGroup) | ClassBit(ccCustomGroupBox));
  EXPECT_EQ(Classify(group).Kind, K::RadioGroup);
  EXPECT_EQ(Classify(group, Without({xcRadioButton})).Kind, K::Box);
  // A bitmap button without its family is a push button; a memo without
  // scroll bars an edit.
  const auto bitBtn = Facts(ClassBit(ccBitBtn) | ClassBit(ccButton));
  EXPECT_EQ(Classify(bitBtn).Kind, K::BitButton);
  EXPECT_EQ(Classify(bitBtn, Without({xcBitBtn})).Kind, K::Button);
  const auto memo = Facts(ClassBit(ccCustomMemo) | ClassBit(ccMemo) | ClassBit(ccCustomEdit));
  EXPECT_EQ(Classify(memo).Kind, K::ScrollBars);
  EXPECT_EQ(Classify(memo, Without({xcScrollbar})).Kind, K::Edit);
  // Tabs need a skin with tabs.
  EXPECT_EQ(Classify(Facts(ClassBit(ccPageControl)), TSkinControlTypes::All(), false).Kind, K::None);
}

TEST(Classification, StylesAndTagsOfUnknownControls) {
  EXPECT_EQ(Classify(Facts(0, "TDATETIMEPICKER", 0, 1)).Kind, K::Edit);  // up-down style
  EXPECT_EQ(Classify(Facts(0, "TDATETIMEPICKER", 0, 0)).Kind, K::ComboBox);
  EXPECT_EQ(Classify(Facts(0, "TDATETIMEPICKER", 0, 1), Without({xcEdit})).Kind, K::None);
  EXPECT_EQ(Classify(Facts(0, "TWINCONTROL", 56)).Kind, K::ComboBox);
  EXPECT_EQ(Classify(Facts(0, "TWINCONTROL", 57)).Kind, K::Edit);
  EXPECT_EQ(Classify(Facts(0, "TWINCONTROL", 55)).Kind, K::ScrollBars);
  // Scrolling by style at the moment of the test, or by class.
  EXPECT_EQ(Classify(Facts(0, "TCUSTOMTHING", 0, 0x00200000)).Kind, K::ScrollBars);
  EXPECT_EQ(Classify(Facts(0, "TCUSTOMTHING", 0, 0)).Kind, K::None);
  EXPECT_FALSE(IsScrollingControl({ClassBit(ccListBox), "", 0, 0}));  // no window, no bars
  EXPECT_TRUE(IsScrollingControl(Facts(ClassBit(ccCustomTreeView))));
}

TEST(Classification, ChildWindowsByClassAndStyle) {
  const std::pair<uint32_t, K> buttons[] = {
      {0x0, K::Button},   {0x1, K::Button},      {0x2, K::CheckBox}, {0x3, K::CheckBox},    {0x5, K::CheckBox},
      {0x6, K::CheckBox}, {0x4, K::RadioButton}, {0x9, K::RadioButton}, {0x7, K::Box},
      {0xB, K::None},  // owner draw: the program draws it
      {0xC, K::None},     {0xE, K::None},  // split button, command link
  };
  for (auto [type, kind] : buttons)
    EXPECT_EQ(ClassifyChildWindow("button", 0x50010000 | type, false).Kind, kind) << type;
  EXPECT_EQ(ClassifyChildWindow("combobox", 1, false).Kind, K::None);  // simple
  EXPECT_EQ(ClassifyChildWindow("combobox", 2, false).Kind, K::ComboBox);
  const TChildChoice ex = ClassifyChildWindow("comboboxex32", 0, true);
  EXPECT_TRUE(ex.Kind == K::ComboBox && ex.OnFirstChild);
  EXPECT_EQ(ClassifyChildWindow("comboboxex32", 0, false).Kind, K::None);
  EXPECT_EQ(ClassifyChildWindow("scrollbar", 0x10, false).Kind, K::Sizer);  // size grip
  EXPECT_EQ(ClassifyChildWindow("scrollbar", 0x1, false).Kind, K::ScrollBarControl);  // a real bar
  EXPECT_EQ(ClassifyChildWindow("systabcontrol32", 0x2000, false).Kind, K::None);  // owner-drawn tabs
  EXPECT_EQ(ClassifyChildWindow("systabcontrol32", 0, false).Kind, K::Tab);
  EXPECT_EQ(ClassifyChildWindow("edit", 0, false).Kind, K::Edit);
  EXPECT_EQ(ClassifyChildWindow("edit", 0x00200004, false).Kind, K::ScrollBars);  // a memo
  EXPECT_EQ(ClassifyChildWindow("msctls_trackbar32", 0, false).Kind, K::TrackBar);
  EXPECT_EQ(ClassifyChildWindow("richedit50w", 0, false).Kind, K::ScrollBars);
  EXPECT_EQ(ClassifyChildWindow("syslistview32", 0, false).Kind, K::ListView);
  EXPECT_EQ(ClassifyChildWindow("sysheader32", 0, false, "syslistview32").Kind, K::None);  // the list view's
  EXPECT_EQ(ClassifyChildWindow("sysheader32", 0, false, "#32770").Kind, K::Header);
  EXPECT_EQ(ClassifyChildWindow("static", 0, false).Kind, K::None);
}

}  // namespace
}  // namespace pelorin
