// Published names of the skin data enumerations.
#include "skinmodel/SkinTypes.h"

namespace pelorin {

const char* SkinControlTypeName(TSkinControlType type) {
  static const char* const names[SkinControlTypeCount] = {
      "xcMainMenu", "xcPopupMenu", "xcToolbar", "xcControlbar", "xcCombo", "xcCheckBox",
      "xcRadioButton", "xcProgress", "xcScrollbar", "xcEdit", "xcButton", "xcBitBtn",
      "xcSpeedButton", "xcPanel", "xcGroupBox", "xcStatusBar", "xcTab"};
  return type >= 0 && type < SkinControlTypeCount ? names[type] : "";
}

const char* SkinFormTypeName(TSkinFormType type) {
  static const char* const names[3] = {"sfMainform", "sfOnlyThisForm", "sfDialog"};
  return type >= 0 && type <= sfDialog ? names[type] : "";
}

}  // namespace pelorin
