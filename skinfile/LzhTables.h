// Prefix code of the upper six bits of a match position, as decode tables
// (indexed by the first byte read) and as encode tables (indexed by the value).
#pragma once

#include <array>
#include <cstdint>

namespace pelorin::lzh {

struct TPositionTables {
  std::array<uint8_t, 256> dCode{};  // upper six bits of the position
  std::array<uint8_t, 256> dLen{};   // prefix length (the code is dLen + 6 bits)
  std::array<uint8_t, 64> pCode{};   // prefix bits, left-aligned in a byte
  std::array<uint8_t, 64> pLen{};    // prefix length in bits
};

constexpr TPositionTables MakePositionTables() {
  // Code lengths 3..8 cover 1, 3, 8, 12, 24 and 16 values; each value of
  // length n owns 2^(8-n) consecutive byte values.
  constexpr int lenCount[6] = {1, 3, 8, 12, 24, 16};
  TPositionTables t;
  int byte = 0, code = 0;
  for (int len = 3; len <= 8; ++len) {
    for (int v = 0; v < lenCount[len - 3]; ++v, ++code) {
      t.pCode[code] = static_cast<uint8_t>(byte);
      t.pLen[code] = static_cast<uint8_t>(len);
      for (int k = 0; k < (1 << (8 - len)); ++k, ++byte) {
        t.dCode[byte] = static_cast<uint8_t>(code);
        t.dLen[byte] = static_cast<uint8_t>(len);
      }
    }
  }
  return t;
}

inline constexpr TPositionTables kPositionTables = MakePositionTables();

static_assert(kPositionTables.dCode[0x1F] == 0 && kPositionTables.dCode[0x20] == 1);
static_assert(kPositionTables.dCode[0x50] == 4 && kPositionTables.dLen[0x8F] == 5);
static_assert(kPositionTables.dCode[0xC0] == 24 && kPositionTables.dLen[0xEF] == 7);
static_assert(kPositionTables.dCode[0xFF] == 63 && kPositionTables.dLen[0xF0] == 8);

}  // namespace pelorin::lzh
