// Construction of the skin model and its always-present records.
#include "skinmodel/SkinModel.h"

#include <cstdio>

#include "host/core/Exceptions.h"
#include "skinmodel/SkinRules.h"

namespace pelorin {

TSkinBorders::TSkinBorders() {
  for (int i = bdLeft; i <= bdBottom; ++i) {
    items_[i - 1] = std::make_unique<TDataSkinBorder>(BorderName(i));
    // Before any parse, as after one without keys: top and bottom stack their frames.
    items_[i - 1]->Style = BorderStyle(i == bdTop || i == bdBottom, 0, 0, 1);
  }
}

TDataSkinBorder* TSkinBorders::operator[](int index) const {
  if (index < bdLeft || index > bdBottom) {
    char text[64];
    std::snprintf(text, sizeof text, SListIndexError, index);
    throw EListError(text);
  }
  return items_[index - 1].get();
}

const char* TSkinBorders::BorderName(int index) {
  static const char* const names[4] = {"Left", "Right", "Top", "Bottom"};
  return index >= bdLeft && index <= bdBottom ? names[index - 1] : "";
}

TSkinModel::TSkinModel() = default;

TSkinModel::~TSkinModel() = default;

std::vector<TSkinModel::TOptionalRecord> TSkinModel::OptionalRecords() const {
  return {
      {"Tab", Tab.get()},
      {"ComboButton", ComboButton.get()},
      {"SunkEdge", SunkEdge.get()},
      {"ExtraImages", ExtraImages.get()},
      {"GroupBoxEdge", GroupBoxEdge.get()},
      {"Toolbar", Toolbar.get()},
      {"StatusBarEdge", StatusBarEdge.get()},
      {"Progress", Progress.get()},
      {"HeaderBar", HeaderBar.get()},
      {"MenuBar", MenuBar.get()},
      {"MenuItem", MenuItem.get()},
      {"MenuBackground", MenuBackground.get()},
      {"ScrollBar", ScrollBar.get()},
      {"HorzScroll", HorzScroll.get()},
      {"VertScroll", VertScroll.get()},
      {"HorzScrollThumb", HorzScrollThumb.get()},
      {"VertScrollThumb", VertScrollThumb.get()},
  };
}

}  // namespace pelorin
