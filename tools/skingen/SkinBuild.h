// Turning a theme into a skin's files: the images, the description and the
// packed archive.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "host/core/Bitmap.h"
#include "tools/skingen/SkinTheme.h"

namespace pelorin::skingen {

struct TSkinSource {
  std::string DescriptionName;  // "<file name>.ini"
  std::string Description;      // INI text, CR LF line ends
  std::vector<std::pair<std::string, TBitmap>> Images;  // archive name -> image
};

// Title-bar button sections as the builder writes them, in order.
struct TTitleButton {
  std::string Section;
  int Action, Align, XCoord, YCoord, Visibility, Visibility1;
  int Frames;          // frames drawn in the image (0: no image)
  bool WriteFrameKey;
  std::string File;
  TGlyph Glyph;
};
std::vector<TTitleButton> TitleButtons(const TSkinTheme& theme);

TSkinSource BuildSkin(const TSkinTheme& theme);

// The archive files (description first, then images as bitmap files).
std::vector<std::pair<std::string, std::vector<uint8_t>>> SkinFiles(const TSkinSource& source);
// The compressed archive bytes.
std::vector<uint8_t> PackSkin(const TSkinSource& source);

}  // namespace pelorin::skingen
