// Icon and caption centred together.
#include "controls/win/IconCaption.h"

#include "controls/HeaderLayout.h"

namespace pelorin {

namespace {
constexpr UINT Format = DT_CENTER | DT_SINGLELINE | DT_EXPANDTABS;
}  // namespace

TPoint ImageListIconSize(HIMAGELIST images) {
  int w = 0, h = 0;
  if (!images || !ImageList_GetIconSize(images, &w, &h)) return {0, 0};
  return {w, h};
}

void DrawIconCaption(HDC dc, const TRect& rect, const std::wstring& text, int imageIndex, HIMAGELIST images,
                     bool enabled) {
  const bool icon = images && imageIndex >= 0 && imageIndex < ImageList_GetImageCount(images);
  TPoint textSize{0, 0};
  if (!text.empty()) {
    RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, Format | DT_CALCRECT | DT_NOCLIP);
    textSize = {r.right - r.left, r.bottom - r.top};
  }
  const TIconCaptionPlace place = PlaceIconCaption(rect, icon ? ImageListIconSize(images) : TPoint{0, 0}, textSize);
  if (icon) ImageList_Draw(images, imageIndex, dc, place.Icon.X, place.Icon.Y, ILD_TRANSPARENT);
  if (text.empty()) return;
  SetBkMode(dc, TRANSPARENT);
  if (!enabled) SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
  RECT r{place.Text.Left, place.Text.Top, place.Text.Right, place.Text.Bottom};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, Format | DT_NOCLIP);
}

}  // namespace pelorin
