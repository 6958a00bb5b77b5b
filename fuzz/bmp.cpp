// Fuzz target of the bitmap file reader: any bytes either decode or raise a
// framework exception, never crash or read outside the buffer.
#include <cstddef>
#include <cstdint>

#include "host/core/Bitmap.h"
#include "host/core/Exceptions.h"
#include "host/core/Streams.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  pelorin::TMemoryStream stream;
  stream.Assign(data, size);
  pelorin::TBitmap bitmap;
  try {
    bitmap.LoadFromStream(stream);
    // A decoded bitmap must survive a save and read back the same (small
    // ones only, to keep the fuzzer fast).
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
