// Fuzz target of the bitmap file reader: any bytes either decode or raise a
// framework exception, never crash or read outside the buffer.
#include <cstddef>
#include <cstdint>

#include "host/core/Bitmap.h"
#include "host/core/Exceptions.h"
#include "host/core/Streams.h"

namespace {

// RLE files of a few bytes may declare up to TBitmap::MaxPixels pixels, which
// the reader accepts; allocating a gigabyte per input would stall the fuzzer
// without reaching new code, so such inputs are skipped.
bool HugeRle(const uint8_t* d, size_t size) {
  if (size < 34 || d[14] < 40) return false;
  auto i32 = [d](size_t o) { return int32_t(uint32_t(d[o]) | uint32_t(d[o + 1]) << 8 | uint32_t(d[o + 2]) << 16 | uint32_t(d[o + 3]) << 24); };
  const int64_t w = i32(18), h = i32(22), compression = i32(30);
  return (compression == 1 || compression == 2) && w * (h < 0 ? -h : h) > (int64_t(1) << 22);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (HugeRle(data, size)) return 0;
  pelorin::TMemoryStream stream;
  stream.Assign(data, size);
  pelorin::TBitmap bitmap;
  try {
    bitmap.LoadFromStream(stream);
    // A decoded bitmap must survive a save and read back the same (small
    // ones only: RLE files of a few bytes may declare a gigabyte of pixels).
    if (int64_t(bitmap.Width()) * bitmap.Height() > (1 << 20)) return 0;
    pelorin::TMemoryStream saved;
    bitmap.SaveToStream(saved);
    saved.SetPosition(0);
    pelorin::TBitmap copy;
    copy.LoadFromStream(saved);
    if (copy.Width() != bitmap.Width() || copy.Height() != bitmap.Height()) __builtin_trap();
  } catch (const pelorin::Exception&) {
  }
  return 0;
}
