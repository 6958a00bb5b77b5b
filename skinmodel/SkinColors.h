// The skin's colour table and the conversion of its colour texts.
#pragma once

#include <array>
#include <string_view>

#include "host/core/Color.h"

namespace pelorin {

enum TSkinColor : int {
  csWindowText, csTitleTextActive, csTitleTextInactive, csButtonFace, csButtonText,
  csButtonHilight, csButtonLight, csButtonShadow, csButtonDkShadow, csHilightText,
  csHilight, csMenuBar, csMenuBarText, csMenuText, csMenu, csScrollbar,
};
inline constexpr int SkinColorCount = csScrollbar + 1;

// Indexed by TSkinColor; all black before the first load.
using TSkinColors = std::array<TColor, SkinColorCount>;

// One entry of section Colours: its key and the value a missing key gives.
// csMenuBar and csMenuText have derived defaults, applied by the parser.
struct TSkinColorKey {
  TSkinColor Index;
  const char* Key;
  TColor Default;
};
// In the order the description is read.
extern const std::array<TSkinColorKey, SkinColorCount> SkinColorKeys;

// Three decimal numbers (red, green, blue) separated by any non-digits; see
// the .cpp for how missing or extra fields count. An empty text gives def.
TColor StrToColour(std::string_view text, TColor def);

// Name of a colour index, as the skin tools print it ("csButtonFace").
const char* SkinColorName(TSkinColor index);

}  // namespace pelorin
