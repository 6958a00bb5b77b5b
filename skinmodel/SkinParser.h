// Helpers of the description parser that callers outside the model use too.
#pragma once

#include <string_view>

#include "skinmodel/SkinModel.h"

namespace pelorin {

class TBitmap;
class TMemoryStream;

// Resolves an image value of the description into bitmap: the named archive
// file (see SkinImageFileName) fetched through extract into temp and decoded.
// A value naming no loadable image, or a missing or empty file, empties the
// bitmap; a damaged bitmap file raises EInvalidGraphic.
void LoadSkinImage(TBitmap& bitmap, std::string_view value, const TSkinFileExtractor& extract,
                   TMemoryStream& temp);

// Copies the part src of source to (0, 0) of dest, clipped to both bitmaps.
void CopyBitmapRect(const TBitmap& source, const TRect& src, TBitmap& dest);

}  // namespace pelorin
