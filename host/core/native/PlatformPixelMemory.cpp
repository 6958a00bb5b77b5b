// Without a window system bitmaps live in plain heap memory.
#include "host/core/Bitmap.h"

namespace pelorin {

std::unique_ptr<TPixelMemory> CreatePlatformPixelMemory(int, int) { return nullptr; }

}  // namespace pelorin
