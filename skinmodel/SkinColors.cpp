// Colour keys of a skin description and the colour-text conversion.
#include "skinmodel/SkinColors.h"

#include <cstdint>
#include <string>

namespace pelorin {

const std::array<TSkinColorKey, SkinColorCount> SkinColorKeys = {{
    {csWindowText, "WindowText", clWindowText},
    {csButtonFace, "ButtonFace", clBtnFace},
    {csScrollbar, "Scrollbar", clScrollBar},
    {csHilightText, "HilightText", clHighlightText},
    {csHilight, "Hilight", clHighlight},
    {csMenuBar, "Menubar", clBtnFace},  // really: the ButtonFace colour just read
    {csMenu, "Menu", clMenu},
    {csMenuText, "MenuText", clMenuText},  // really: the ButtonFace text, if any
    {csButtonText, "ButtonText", clBtnText},
    {csButtonHilight, "ButtonHilight", clBtnHighlight},
    {csButtonLight, "Buttonlight", clBtnHighlight},
    {csButtonShadow, "ButtonShadow", clBtnShadow},
    {csButtonDkShadow, "ButtonDkShadow", clBtnShadow},
    {csMenuBarText, "MenuBarText", clMenu},
    // Both title entries read the same key; only their defaults differ.
    {csTitleTextActive, "TitleTextActive", clCaptionText},
    {csTitleTextInactive, "TitleTextActive", clInactiveCaptionText},
}};

namespace {

// Decimal digits to a component; overflow (or nothing) leaves it 0.
int ConvertField(const std::string& digits) {
  int64_t v = 0;
  for (char c : digits) {
    v = v * 10 + (c - '0');
    if (v > INT32_MAX) return 0;
  }
  return static_cast<int>(v);
}

}  // namespace

TColor StrToColour(std::string_view text, TColor def) {
  if (text.empty()) return def;
  size_t b = 0, e = text.size();
  while (b < e && static_cast<unsigned char>(text[b]) <= 32) ++b;
  while (e > b && static_cast<unsigned char>(text[e - 1]) <= 32) --e;

  int comp[3] = {0, 0, 0};
  int k = 1;  // component the digit buffer belongs to
  std::string digits;
  for (size_t i = b; i < e; ++i) {
    char c = text[i];
    if (c >= '0' && c <= '9') {
      digits += c;
      continue;
    }
    // Every separator moves on, even between two separators in a row, so a
    // doubled blank skips the green component.
    if (!digits.empty() && k <= 3) comp[k - 1] = ConvertField(digits);
    if (k < 1000) ++k;
    digits.clear();
  }
  // Only with exactly two separators is the tail the blue component.
  if (k == 3) comp[2] = ConvertField(digits);
  return MakeRGB(comp[0] & 0xFF, comp[1] & 0xFF, comp[2] & 0xFF);
}

const char* SkinColorName(TSkinColor index) {
  static const char* const names[SkinColorCount] = {
      "csWindowText", "csTitleTextActive", "csTitleTextInactive", "csButtonFace", "csButtonText",
      "csButtonHilight", "csButtonLight", "csButtonShadow", "csButtonDkShadow", "csHilightText",
      "csHilight", "csMenuBar", "csMenuBarText", "csMenuText", "csMenu", "csScrollbar"};
  return index >= 0 && index < SkinColorCount ? names[index] : "";
}

}  // namespace pelorin
