// Loading a skin into the component that frames a live window: the frame's
// title-bar buttons point into the skin's records, so a load must never free
// records the frame still reads. A load that fails half way leaves them all;
// one that succeeds has the frame drop its buttons before the old ones go.
#include <gtest/gtest.h>

#include <algorithm>

#include "manager/win/WinSkinFormAdapter.h"
#include "tests/win/FrameTestUtil.h"
#include "tools/skingen/SkinTheme.h"

namespace pelorin {
namespace {

using namespace testing;

// Slate with its menu item image (read long after the title-bar buttons) at
// a bit depth no bitmap has.
TBytes SlateDamagedLate() {
  TSkinFiles files = ThemeFiles(skingen::SlateTheme());
  TBytes& image = File(files, "menuitem.bmp");
  EXPECT_GE(image.size(), 30u) << "the theme has no menu item image";
  if (image.size() >= 30) image[28] = 7, image[29] = 0;
  return PackFiles(files);
}

bool OwnsRecord(const TSkinData& skin, const TDataSkinSysButton* record) {
  return std::any_of(skin.SysButtons.begin(), skin.SysButtons.end(),
                     [record](const auto& owned) { return owned.get() == record; });
}

// Every button the frame shows stands on a record the skin owns now. Checked
// before the frame is driven: driving it on freed records may hang.
bool ButtonsOnLiveRecords(const TWinSkinForm& f, const TSkinData& skin) {
  return std::all_of(f.SysButtons().begin(), f.SysButtons().end(),
                     [&skin](const auto& b) { return OwnsRecord(skin, &b->SkinButton()); });
}

// The mouse over every place of the title bar.
void SweepTitle(HWND wnd, const TWinSkinForm& f) {
  RECT r;
  GetWindowRect(wnd, &r);
  for (int x = 0; x < r.right - r.left; x += 3) {
    const LPARAM at = ScreenPoint(wnd, {x, f.Metrics().Top / 2});
    SendMessageW(wnd, WM_NCMOUSEMOVE, HTCAPTION, at);
  }
}

class ManagerSkinLoad : public ::testing::Test {
protected:
  void SetUp() override {
    DestroySkinManager();
    SetSkinManagerFactory(nullptr);
    skin = MakeSkin(skingen::SlateTheme());
    ASSERT_FALSE(skin->Empty);
    // Tracked by the manager, as every skinner of a running application is.
    auto owned = std::make_unique<TWinSkinFormAdapter>(skin.get());
    adapter = owned.get();
    frame = &owned->SkinForm();
    SkinManager()->AddFormSkinner(std::move(owned));
    Skin(*frame, window.wnd);
    ASSERT_EQ(frame->Stage(), stActive);
    ASSERT_FALSE(frame->SysButtons().empty());
  }
  void TearDown() override {
    SkinManager()->RemoveFormSkinner(adapter).reset();
    skin.reset();
    DestroySkinManager();
  }
  TTestWindow window;
  std::unique_ptr<TSkinData> skin;
  TWinSkinFormAdapter* adapter = nullptr;
  TWinSkinForm* frame = nullptr;
};

TEST_F(ManagerSkinLoad, AFailedLoadKeepsEveryRecordTheFrameReads) {
  std::vector<const TDataSkinSysButton*> records;
  for (const auto& r : skin->SysButtons) records.push_back(r.get());
  const TDataSkinTitle* title = skin->Title.get();
  const TColor face = skin->colors[csButtonFace];

  EXPECT_THROW(LoadArchive(*skin, SlateDamagedLate()), EInvalidGraphic);
  EXPECT_TRUE(skin->Empty);
  // Nothing half replaced: the same records, the same values.
  ASSERT_EQ(skin->SysButtons.size(), records.size());
  for (size_t i = 0; i < records.size(); ++i) ASSERT_EQ(skin->SysButtons[i].get(), records[i]);
  EXPECT_EQ(skin->Title.get(), title);
  EXPECT_EQ(skin->colors[csButtonFace], face);
  ASSERT_TRUE(ButtonsOnLiveRecords(*frame, *skin)) << "a button on a freed record";
  SweepTitle(window.wnd, *frame);
  frame->PaintFrame();

  // The same skin loaded whole afterwards works as before.
  ASSERT_TRUE(LoadArchive(*skin, ThemeArchive(skingen::SlateTheme())));
  EXPECT_FALSE(skin->Empty);
  frame->ApplySkinChange();
  EXPECT_FALSE(frame->SysButtons().empty());
  EXPECT_TRUE(ButtonsOnLiveRecords(*frame, *skin));
}

TEST_F(ManagerSkinLoad, ASuccessfulLoadHasTheFrameDropItsButtonsFirst) {
  ASSERT_TRUE(LoadArchive(*skin, ThemeArchive(skingen::HarborTheme())));
  ASSERT_TRUE(frame->SysButtons().empty()) << "buttons kept on the replaced records";
  SweepTitle(window.wnd, *frame);
  frame->PaintFrame();

  // Re-reading the skin makes the new skin's buttons, one per record.
  frame->ApplySkinChange();
  ASSERT_EQ(frame->SysButtons().size(), skin->SysButtons.size());
  for (size_t i = 0; i < skin->SysButtons.size(); ++i)
    EXPECT_EQ(&frame->SysButtons()[i]->SkinButton(), skin->SysButtons[i].get());
  SweepTitle(window.wnd, *frame);
}

}  // namespace
}  // namespace pelorin
