// Pure rules of the skin description (see SkinRules.h).
#include "skinmodel/SkinRules.h"

namespace pelorin {

std::string SkinImageFileName(std::string_view value) {
  size_t cut = value.find_last_of("\\:");
  std::string_view name = cut == std::string_view::npos ? value : value.substr(cut + 1);
  if (name.empty()) return {};
  size_t dot = name.rfind('.');
  // Skins in circulation name their images in lower case; an extension in
  // capitals is refused rather than matched loosely.
  if (dot == std::string_view::npos || name.substr(dot) != ".bmp") return {};
  return std::string(name);
}

int SysButtonFrameCount(int frameKey, int imageWidth, int imageHeight, int action) {
  if (frameKey != 0) return frameKey;
  int count = 6;
  if (imageWidth > 0 && imageHeight > 0)
    count = static_cast<double>(imageWidth) / imageHeight > 3.8 ? 6 : 3;
  if (action < 0) count = 6;
  return count;
}

int ToggleStripFrameCount(int imageWidth, int imageHeight) {
  int count = imageWidth / (imageHeight < 16 ? 13 : 16);
  return count < 4 ? 4 : count;
}

TMdiStripPart MdiStripPart(int stripWidth, int stripHeight, int k) {
  int w = stripWidth / (MdiButtonCount * MdiButtonFrames);
  if (stripWidth <= 0 || stripHeight <= 0 || k < 0 || k >= MdiButtonCount) return {};
  int groupWidth = MdiButtonFrames * w;
  TRect source = w > 0 ? Rect(groupWidth * k, 0, groupWidth * (k + 1), stripHeight) : TRect{};
  return {source, (MdiButtonCount - k) * (w + 4)};
}

int32_t BoundedFrames(int64_t count) {
  return count < 1 ? 1 : count > MaxElementFrames ? MaxElementFrames : int32_t(count);
}

TElementStyle BorderStyle(bool stackedFrames, int stretchKey, int transKey, int frames) {
  TElementStyle s;
  s.Fill = stretchKey == 1 ? TElementFill::Stretch : TElementFill::Tile;
  s.Frames = BoundedFrames(frames);
  s.Vertical = stackedFrames;
  s.KeyedRegion = transKey == 1;
  return s;
}

TElementStyle SectionStyle(int tileKey, int transKey, int frames) {
  TElementStyle s;
  s.Fill = tileKey == 1 ? TElementFill::Tile : TElementFill::Stretch;
  s.Keyed = transKey == 1;
  s.Frames = BoundedFrames(frames);
  return s;
}

TElementStyle MenuBarStyle(int tileMenu) {
  TElementStyle s;
  s.Frames = 2;
  s.Vertical = true;
  s.Slicing = tileMenu == 1 ? TElementSlicing::NineSlice : TElementSlicing::Strip;
  return s;
}

TElementStyle TitleStyle() {
  TElementStyle s;
  s.Keyed = true;
  s.Frames = 2;
  s.Vertical = true;
  s.Slicing = TElementSlicing::Strip;
  return s;
}

int SafeFrameWidth(int imageWidth, int frameCount) {
  if (frameCount <= 0 || imageWidth <= 0) return 0;
  return imageWidth / frameCount;
}

}  // namespace pelorin
