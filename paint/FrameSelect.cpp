// Frame selection of multi-frame skin images.
#include "paint/FrameSelect.h"

#include <algorithm>

namespace pelorin {

namespace {

// Origin and size along the axis the frames are laid out on.
TRect FrameAlong(int length, int frameLength, int frameIndex, int otherLength, bool vertical) {
  if (length <= 0 || otherLength <= 0 || frameLength <= 0) return {};
  const int frames = std::max(1, length / frameLength);
  const int index = std::clamp(frameIndex, 1, frames) - 1;
  const int start = index * frameLength;  // <= length, no overflow
  const int end = std::min(length, start + frameLength);
  return vertical ? TRect{0, start, otherLength, end} : TRect{start, 0, end, otherLength};
}

}  // namespace

TRect SelectFrame(int width, int height, bool vertical, int frameCount, int frameIndex) {
  const int count = std::max(1, frameCount);
  if (vertical) return FrameAlong(height, height / count, frameIndex, width, true);
  return FrameAlong(width, width / count, frameIndex, height, false);
}

TRect SelectFrameOfWidth(int width, int height, int frameWidth, int frameIndex) {
  if (width <= 0 || height <= 0 || frameWidth <= 0) return {};
  const int frames = std::max(1, width / frameWidth);
  const int start = (std::clamp(frameIndex, 1, frames) - 1) * frameWidth;
  return {start, 0, start + frameWidth, height};
}

}  // namespace pelorin
