// Layout constants and little-endian field access of Windows bitmap files,
// shared by the TBitmap codec and its tests.
#pragma once

#include <cstddef>
#include <cstdint>

namespace pelorin::bmp {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kCoreHeaderSize = 12;   // OS/2 1.x: 16-bit sizes, RGB triples
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kV2HeaderSize = 52;     // info header plus RGB masks
constexpr uint32_t kV3HeaderSize = 56;     // plus the alpha mask
constexpr uint32_t kOs2V2HeaderSize = 64;  // OS/2 2.x: info header layout, own compressions
constexpr uint32_t kV4HeaderSize = 108;
constexpr uint32_t kV5HeaderSize = 124;

// Compression codes of the info headers.
enum : uint32_t {
  kBiRgb = 0,
  kBiRle8 = 1,
  kBiRle4 = 2,
  kBiBitfields = 3,
  kBiJpeg = 4,
  kBiPng = 5,
  kBiAlphaBitfields = 6,
};

// Field offsets from the start of the file.
constexpr size_t kOffBitsField = 10;
constexpr size_t kHeaderSizeField = 14;

inline uint16_t GetU16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }
inline uint32_t GetU32(const uint8_t* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
inline int32_t GetI32(const uint8_t* p) { return static_cast<int32_t>(GetU32(p)); }
inline void PutU16(uint8_t* p, uint16_t v) {
  p[0] = uint8_t(v);
  p[1] = uint8_t(v >> 8);
}
inline void PutU32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = uint8_t(v >> (8 * i));
}

}  // namespace pelorin::bmp
