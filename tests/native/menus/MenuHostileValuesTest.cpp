// Menu bar and separator geometry from absurd skin margins.
#include <gtest/gtest.h>

#include <climits>

#include "menus/MenuBarLayout.h"
#include "menus/MenuItemLayout.h"
#include "skinmodel/SkinRecords.h"

namespace pelorin {
namespace {

TEST(HostileMenuValues, FirstBarItemAndSeparatorPiecesForAnyMargins) {
  TDataSkinObject bar;
  bar.Margins.Left = INT_MAX;
  EXPECT_EQ(MenuBarFirstX(&bar, 200), 12);
  // A negative margin does not hide the first item under the left border.
  bar.Margins.Left = INT_MIN;
  EXPECT_EQ(MenuBarFirstX(&bar, 200), 4);

  TDataSkinObject item;
  item.Bitmap.SetSize(100, 8);  // five frames of 20; the separator is 20..40
  item.Style.Frames = 5;
  const int extremes[] = {INT_MIN, -3, 0, 4, 19, INT_MAX};
  for (int left : extremes)
    for (int right : extremes) {
      item.Margins = Rect(left, 0, right, 0);
      for (const TSlicePiece& p : MenuSeparatorPieces(item, 120, 8))
        ASSERT_TRUE(p.Source.Left >= 20 && p.Source.Right <= 40 && p.Dest.Left >= 0 && p.Dest.Right <= 120)
            << left << " " << right;
    }
}

}  // namespace
}  // namespace pelorin
