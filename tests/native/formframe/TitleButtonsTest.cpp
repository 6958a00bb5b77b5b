// Title-bar buttons: the mouse state machine, the visibility table, layout,
// frames by state and click effects.
#include <gtest/gtest.h>

#include <string>

#include "formframe/TitleButtons.h"
#include "skinmodel/SkinRecords.h"

using namespace pelorin;

namespace {
// Records every repaint with the state it showed.
class TProbe : public TNCObject {
public:
  TProbe(TNCObjectOwner& owner, char name, std::string& log) : TNCObject(owner), name_(name), log_(log) {}
  void Paint() override { log_ += std::string(1, name_) + char('0' + State) + ' '; }

private:
  char name_;
  std::string& log_;
};

bool Shown(int action, int vis, int vis1, const TFrameFacts& f) {
  TDataSkinSysButton b;
  b.Action = action;
  b.Visibility = vis;
  b.Visibility1 = vis1;
  return IsSysButtonVisible(b, f);
}
}  // namespace

TEST(NCObject, OneObjectIsCurrentAndStatesFollowTheMouse) {
  TNCObjectOwner owner;
  std::string log;
  TProbe a(owner, 'a', log), b(owner, 'b', log);

  a.MouseEnter();
  EXPECT_EQ(owner.CurrentObject, &a);
  a.MouseEnter();  // already current: nothing repaints
  a.MouseDown();
  a.MouseUp();
  EXPECT_EQ(log, "a3 a2 a3 ");
  log.clear();

  // Entering another object first lets go of the current one.
  b.MouseEnter();
  EXPECT_EQ(log, "a1 b3 ");
  EXPECT_EQ(owner.CurrentObject, &b);
  EXPECT_EQ(a.State, nsNormal);
  log.clear();
  a.MouseDown();
  EXPECT_EQ(log, "b1 a2 ");
  EXPECT_EQ(owner.CurrentObject, &a);

  // A leave of an object that is not current keeps the current one.
  b.MouseLeave();
  EXPECT_EQ(owner.CurrentObject, &a);
  a.MouseLeave();
  EXPECT_EQ(owner.CurrentObject, nullptr);

  // Hidden objects never become current or repaint.
  log.clear();
  b.Visible = false;
  b.MouseEnter();
  b.MouseDown();
  EXPECT_EQ(owner.CurrentObject, nullptr);
  EXPECT_EQ(log, "");

  // A destroyed current object does not stay behind.
  {
    TProbe c(owner, 'c', log);
    c.MouseEnter();
  }
  EXPECT_EQ(owner.CurrentObject, nullptr);
}

TEST(SysButtonVisibility, WholeTable) {
  TFrameFacts all;
  all.Kind = frSizeable;
  all.SavedStyles = ssSysMenu | ssMinimizeBox | ssMaximizeBox;
  TFrameFacts maxed = all;
  maxed.State = nwMaximized;
  TFrameFacts inactive = all;
  inactive.Active = false;
  TFrameFacts bare = all;
  bare.SavedStyles = 0;
  TFrameFacts fixed = all;
  fixed.Kind = frFixed;

  // Code 0: not for fixed frames; action 0 (close) only with a system menu.
  EXPECT_TRUE(Shown(5, 0, 0, all));
  EXPECT_FALSE(Shown(5, 0, 0, fixed));
  EXPECT_TRUE(Shown(0, 0, 0, all));
  EXPECT_FALSE(Shown(0, 0, 0, bare));
  EXPECT_TRUE(Shown(5, 0, 0, bare));
  // 1/2 maximised, 3/4 active; the second condition is ANDed.
  EXPECT_TRUE(Shown(5, 1, 1, maxed));
  EXPECT_FALSE(Shown(5, 1, 0, all));
  EXPECT_FALSE(Shown(5, 2, 0, maxed));
  EXPECT_TRUE(Shown(5, 2, 0, all));
  EXPECT_TRUE(Shown(5, 3, 3, all));
  EXPECT_FALSE(Shown(5, 3, 0, inactive));
  EXPECT_TRUE(Shown(5, 4, 4, inactive));
  EXPECT_FALSE(Shown(5, 0, 4, all));
  // 5, 10, 11 and unknown codes hide; 200..2000 show.
  for (int code : {5, 10, 11, 12, 99, 101, 199, 2001, -1})
    EXPECT_FALSE(Shown(5, code, 0, all)) << code;
  for (int code : {200, 1000, 2000}) EXPECT_TRUE(Shown(5, code, code, all)) << code;
  // 6..9: the saved boxes; the first condition also wants a system menu.
  TFrameFacts noMenu = all;
  noMenu.SavedStyles = ssMinimizeBox | ssMaximizeBox;
  EXPECT_TRUE(Shown(5, 6, 6, all));
  EXPECT_FALSE(Shown(5, 6, 0, noMenu));
  EXPECT_TRUE(Shown(5, 0, 6, noMenu));
  EXPECT_TRUE(Shown(5, 7, 7, bare));
  EXPECT_FALSE(Shown(5, 7, 0, all));
  EXPECT_TRUE(Shown(5, 8, 8, all));
  EXPECT_FALSE(Shown(5, 8, 0, noMenu));
  EXPECT_TRUE(Shown(5, 9, 9, bare));
  // 100: an MDI frame with a maximised child and a menu bar.
  TFrameFacts mdi = all;
  mdi.MdiChildMaximized = true;
  EXPECT_FALSE(Shown(7, 100, 0, mdi));
  mdi.HasMenuBar = true;
  EXPECT_TRUE(Shown(7, 100, 0, mdi));
  EXPECT_FALSE(Shown(7, 0, 100, all));
  // Maximise and minimise buttons need their box whatever the codes say.
  TFrameFacts noMax = all;
  noMax.SavedStyles = ssSysMenu | ssMinimizeBox;
  EXPECT_FALSE(Shown(1, 200, 200, noMax));
  EXPECT_TRUE(Shown(2, 200, 200, noMax));
  TFrameFacts noMin = all;
  noMin.SavedStyles = ssSysMenu | ssMaximizeBox;
  EXPECT_FALSE(Shown(2, 2, 0, noMin));
}

TEST(SysButtonLayout, EveryAlignment) {
  TButtonLayoutFrame f;
  f.WindowWidth = 300;
  f.CaptionText = Rect(40, 5, 120, 25);
  f.Metrics = TFrameMetrics{4, 30, 5, 4, 20};
  f.MenuBarMarginLeft = 3;
  TDataSkinSysButton b;
  b.XCoord = 26;
  b.YCoord = 7;
  const auto at = [&](int align) {
    b.Align = align;
    return LayoutSysButton(b, 60, 16, 3, f);  // frames 20 wide
  };
  EXPECT_EQ(at(0), Rect(26, 7, 46, 23));
  EXPECT_EQ(at(1), Rect(274, 7, 294, 23));
  EXPECT_EQ(at(2), Rect(40 - 20 - 26, 7, 40 - 26, 23));
  EXPECT_EQ(at(8), at(2));
  EXPECT_EQ(at(3), Rect(146, 7, 166, 23));
  EXPECT_EQ(at(9), at(3));
  EXPECT_EQ(at(100), Rect(300 - 26 - 5 - 3, 32, 286, 48));
  EXPECT_EQ(at(42), Rect(0, 0, 20, 16));
  EXPECT_FALSE(LayoutSysButton(b, 0, 16, 3, f).has_value());
  EXPECT_EQ(LayoutSysButton(b, 60, 16, 0, f)->Width(), 60);
}

TEST(SysButtonLayout, FramesAndEffects) {
  EXPECT_EQ(RestingButtonFrame(4, true), 1);
  EXPECT_EQ(RestingButtonFrame(4, false), 4);
  EXPECT_EQ(RestingButtonFrame(3, false), 1);
  EXPECT_EQ(StateButtonFrame(nsHot, 0), 3);
  EXPECT_EQ(StateButtonFrame(nsPressed, 100), 2);
  EXPECT_EQ(StateButtonFrame(nsHot, 100), 4);

  // The toggles depend on the state; unknown codes go to the application.
  EXPECT_EQ(SysButtonEffect(22, nwMaximized), beRestore);
  EXPECT_EQ(SysButtonEffect(2, nwMaximized), beMinimize);
  EXPECT_EQ(SysButtonEffect(23, nwMinimized), beRestore);
  EXPECT_EQ(SysButtonEffect(40, nwNormal), beCustom);

  TNCObjectOwner owner;
  TNCObject o(owner);
  o.BoundsRect = Rect(10, 10, 20, 20);
  EXPECT_TRUE(SysButtonAccepts(o, 0, {10, 19}));
  EXPECT_FALSE(SysButtonAccepts(o, 0, {20, 15}));
  EXPECT_FALSE(SysButtonAccepts(o, -1, {15, 15}));
  o.Visible = false;
  EXPECT_FALSE(SysButtonAccepts(o, 0, {15, 15}));
}
