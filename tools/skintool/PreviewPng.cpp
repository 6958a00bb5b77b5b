// PNG writing through libpng's simplified API.
#include "tools/skintool/PreviewPng.h"

#include <png.h>

#include <vector>

#include "tools/skintool/Commands.h"

namespace pelorin::skintool {

void SavePng(const TBitmap& bitmap, const std::string& fileName) {
  if (bitmap.Empty()) throw EToolError(fileName + ": nothing to write");
  std::vector<uint8_t> rgb(size_t(bitmap.Width()) * size_t(bitmap.Height()) * 3);
  size_t i = 0;
  for (int y = 0; y < bitmap.Height(); ++y) {
    const uint32_t* row = bitmap.ScanLine(y);
    for (int x = 0; x < bitmap.Width(); ++x) {
      rgb[i++] = uint8_t(row[x] >> 16);
      rgb[i++] = uint8_t(row[x] >> 8);
      rgb[i++] = uint8_t(row[x]);
    }
  }
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = png_uint_32(bitmap.Width());
  image.height = png_uint_32(bitmap.Height());
  image.format = PNG_FORMAT_RGB;
  if (!png_image_write_to_file(&image, fileName.c_str(), 0, rgb.data(), 0, nullptr))
    throw EToolError(fileName + ": " + image.message);
}

}  // namespace pelorin::skintool
