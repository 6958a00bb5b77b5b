// The reference LZH decoder of the tests, the fuzz targets and the benchmarks.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "host/core/Streams.h"

namespace pelorin::testing {

// Callbacks of the byte-serial decoder: transfer count bytes, report how many moved.
using TLzhGetBytes = std::function<void(uint8_t* buffer, uint16_t count, uint16_t& actual)>;
using TLzhPutBytes = std::function<void(const uint8_t* buffer, uint16_t count, uint16_t& actual)>;

// The byte-serial decoder: reads one byte and writes one byte per callback, with
// a 16-bit bit buffer: the plain statement of the codec that the library's
// block decoder (DecompressStream) is checked and measured against.
class TLZH {
public:
  TStream* InStream = nullptr;   // not owned
  TStream* OutStream = nullptr;  // not owned

  // Decodes until textSize bytes have been produced (a final match is written
  // in full even past textSize). Missing input reads as zero bits.
  void LZHDecode(int32_t textSize, const TLzhPutBytes& putBytes, const TLzhGetBytes& getBytes);

  // Callbacks over InStream and OutStream with exact stream transfers.
  void GetBytes(uint8_t* buffer, uint16_t count, uint16_t& actual);
  void PutBytes(const uint8_t* buffer, uint16_t count, uint16_t& actual);

private:
  struct Tables;
  unsigned GetBit(const TLzhGetBytes& getBytes);
  unsigned GetByte(const TLzhGetBytes& getBytes);
  void FillBits(const TLzhGetBytes& getBytes);
  uint16_t getbuf_ = 0;
  uint8_t getlen_ = 0;
};

// Decodes length bytes from in into out with TLZH over the streams.
void DecodeSerial(TStream& in, TStream& out, int32_t length);
// A whole packed stream (its length word first) decoded with TLZH.
std::vector<uint8_t> DecodeSerial(const uint8_t* data, size_t size);
inline std::vector<uint8_t> DecodeSerial(const std::vector<uint8_t>& packed) {
  return DecodeSerial(packed.data(), packed.size());
}

}  // namespace pelorin::testing
