// PNG output of the preview command.
#pragma once

#include <string>

#include "host/core/Bitmap.h"

namespace pelorin::skintool {

// Writes an 8-bit RGB PNG; raises EToolError when the file cannot be written.
void SavePng(const TBitmap& bitmap, const std::string& fileName);

}  // namespace pelorin::skintool
