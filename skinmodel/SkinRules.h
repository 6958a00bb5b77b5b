// Pure rules of the skin description: image-name resolution, derived frame
// counts, the layout of the MDI button strip and the drawing styles that the
// keys of each kind of element give.
#pragma once

#include <string>
#include <string_view>

#include "host/core/Geometry.h"
#include "skinmodel/SkinRecords.h"

namespace pelorin {

// The archive file an image value names: the part after the last backslash or
// colon, accepted only with the extension ".bmp" exactly (case-sensitive).
// Empty when the value names no loadable image.
std::string SkinImageFileName(std::string_view value);

// Frame count of a title-bar button: a non-zero frame key wins; otherwise 6,
// or from the image's aspect (wider than 3.8:1 gives 6, else 3), and always 6
// for a custom action.
int SysButtonFrameCount(int frameKey, int imageWidth, int imageHeight, int action);

// Frames of a check box or radio button strip: 13-pixel frames for images
// under 16 pixels high, 16-pixel frames otherwise, never fewer than 4.
int ToggleStripFrameCount(int imageWidth, int imageHeight);

// The MDI strip holds three groups of four frames (actions 7, 8, 9).
struct TMdiStripPart {
  TRect Source;   // the part of the strip for button k
  int XCoord = 0; // its offset from the menu bar's right edge
};
inline constexpr int MdiButtonCount = 3;
inline constexpr int MdiButtonFrames = 4;
// Part k (0..2) of a strip of the given size. A strip narrower than 12 pixels
// gives empty sources.
TMdiStripPart MdiStripPart(int stripWidth, int stripHeight, int k);

// Width of one frame of an image, safe for any frame count (0 when the count
// is not positive or exceeds the width).
int SafeFrameWidth(int imageWidth, int frameCount);

// A frame count as styles hold it: 0 and negative counts give 1, huge ones
// MaxElementFrames.
int32_t BoundedFrames(int64_t count);

// A window border: "Stretch" 1 stretches the middle, any other value tiles it;
// the top and bottom borders stack their frames. Borders are composed opaque:
// "Trans" 1 cuts their key pixels out of the window's region instead.
TElementStyle BorderStyle(bool stackedFrames, int stretchKey, int transKey, int frames);

// An element section: "Tile" 1 tiles, "Trans" 1 leaves the key out; any other
// value stretches, or draws opaque.
TElementStyle SectionStyle(int tileKey, int transKey, int frames);

// The menu bar: two stacked frames drawn opaque; "TileMenu" 1 nine-slices it
// stretched, any other value draws it as a strip.
TElementStyle MenuBarStyle(int tileMenu);

// The caption back: two stacked frames drawn as a keyed strip.
TElementStyle TitleStyle();

}  // namespace pelorin
