// Fuzzes the LZH codec: arbitrary streams through both decoders (which must
// agree), and arbitrary bytes through an encode/decode round trip.
#include <cstdlib>
#include <vector>

#include "skinfile/Lzh.h"
#include "tests/support/LzhReference.h"

using namespace pelorin;
using pelorin::testing::DecodeSerial;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    const std::vector<uint8_t> fast = DecompressBytes(data, size);
    // Accepted streams decode the same way byte by byte.
    if (DecodeSerial(data, size) != fast) std::abort();
  } catch (const ElzhException&) {
  }

  const TLzhParsing parsing = size > 0 && (data[0] & 1) ? TLzhParsing::Greedy : TLzhParsing::Lazy;
  const std::vector<uint8_t> packed = CompressBytes(data, size, parsing);
  const std::vector<uint8_t> back = DecompressBytes(packed.data(), packed.size());
  if (back != std::vector<uint8_t>(data, data + size)) std::abort();
  return 0;
}
