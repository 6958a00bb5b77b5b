// The manager's window-free decisions: refusal order and the choice of skin data.
#include <gtest/gtest.h>

#include "manager/ManagerRules.h"

namespace pelorin {
namespace {

TWindowFacts Skinnable() {
  TWindowFacts f;
  f.managerActive = true;
  f.width = 300;
  f.height = 200;
  f.className = "TForm1";
  return f;
}

TEST(ManagerRules, EachRefusalAndItsPrecedence) {
  using R = TSkinRefusal;
  using F = TWindowFacts;
  const struct { const char* what; void (*change)(F&); R want; } cases[] = {
      {"skinnable", [](F&) {}, R::None},
      {"inactive before anything else", [](F& f) { f.managerActive = false, f.tracked = true; }, R::Inactive},
      {"tracked before the size", [](F& f) { f.tracked = true, f.width = 0; }, R::Tracked},
      {"plain child", [](F& f) { f.childStyle = true, f.parentClass = "TPanel"; }, R::PlainChild},
      {"MDI child", [](F& f) { f.childStyle = true, f.parentClass = "MDIClient"; }, R::None},
      {"empty before the tag", [](F& f) { f.height = 0, f.hostForm = true, f.formTag = 99; }, R::EmptyRect},
      {"host form tag 99", [](F& f) { f.hostForm = true, f.formTag = 99; }, R::FormTag99},
      {"a tag only counts for host forms", [](F& f) { f.formTag = 99; }, R::None},
      // 65536 x 65536 wraps to 0 in 32 bits; such a window still has an area.
      {"huge", [](F& f) { f.width = f.height = 65536; }, R::None},
      {"application window", [](F& f) { f.className = "TApplication"; }, R::ApplicationWindow},
      {"class compared exactly", [](F& f) { f.className = "tapplication"; }, R::None},
  };
  for (const auto& c : cases) {
    TWindowFacts f = Skinnable();
    c.change(f);
    EXPECT_EQ(CheckWindowFacts(f), c.want) << c.what;
  }
}

TEST(ManagerRules, FindSkinDataRules) {
  const std::uintptr_t form2 = 0x200, mainForm = 0x100;
  std::vector<TSkinDataFacts> list = {
      {sfMainform, mainForm},  // 0
      {sfDialog, mainForm},    // 1
      {sfOnlyThisForm, form2}, // 2
      {sfMainform, mainForm},  // 3: the later main skin wins
      {sfDialog, mainForm},    // 4: the later dialog skin wins
      {sfOnlyThisForm, form2}, // 5: the later own skin wins
  };
  EXPECT_EQ(FindSkinDataIndex(list, form2, "TForm2"), 5);
  EXPECT_EQ(FindSkinDataIndex(list, mainForm, "TForm1"), 3);
  EXPECT_EQ(FindSkinDataIndex(list, 0x300, "#32770"), 4);
  EXPECT_EQ(FindSkinDataIndex(list, 0x300, "TMessageForm"), 4);
  // Own skin comes before the dialog rule; menus never take either.
  EXPECT_EQ(FindSkinDataIndex(list, form2, "TMessageForm"), 5);
  EXPECT_EQ(FindSkinDataIndex(list, 0x300, "#32768"), 3);
  EXPECT_EQ(FormSkinCheckIndex(list), 0);

  // No dialog skin: dialogs take the main one; no main one: the first.
  std::vector<TSkinDataFacts> noDialog = {{sfOnlyThisForm, form2}, {sfMainform, 0}};
  EXPECT_EQ(FindSkinDataIndex(noDialog, 0x300, "#32770"), 1);
  std::vector<TSkinDataFacts> onlyOwn = {{sfDialog, 0}, {sfOnlyThisForm, form2}};
  EXPECT_EQ(FindSkinDataIndex(onlyOwn, 0x300, "TForm1"), 0);
  EXPECT_EQ(FormSkinCheckIndex(onlyOwn), -1);
  // A skin data without an owner window never matches a window of handle 0.
  std::vector<TSkinDataFacts> ownerless = {{sfMainform, 0}, {sfOnlyThisForm, 0}};
  EXPECT_EQ(FindSkinDataIndex(ownerless, 0, "TForm1"), 0);
  EXPECT_EQ(FindSkinDataIndex({}, mainForm, "TForm1"), -1);
}

}  // namespace
}  // namespace pelorin
