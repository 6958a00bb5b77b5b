// LZH codec of skin archives: a 4-byte length followed by an LZSS stream over a
// 4096-byte window whose literals and match lengths use an adaptive Huffman tree.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "host/core/Exceptions.h"
#include "host/core/Streams.h"

namespace pelorin {

class ElzhException : public Exception {
public:
  using Exception::Exception;
};

inline constexpr const char* SLzhNoMemory = "LZH : Cannot get memory for dictionary tables";
inline constexpr const char* SLzhFreeError = "LZH : Error freeing memory for dictionary tables";
inline constexpr const char* SLzhNoLength = "LZH : Source is too short to hold the length field";
inline constexpr const char* SLzhLengthTooLarge = "LZH : Length field exceeds what the stream can encode";
inline constexpr const char* SLzhInputTooLarge = "LZH : Input is too large to compress";

namespace lzh {
inline constexpr int N = 4096;          // window (ring buffer) size
inline constexpr int F = 60;            // longest match
inline constexpr int THRESHOLD = 2;     // matches are at least THRESHOLD + 1 bytes
inline constexpr int N_CHAR = 256 - THRESHOLD + F;  // literals and match lengths
inline constexpr int T = 2 * N_CHAR - 1;            // tree nodes
inline constexpr int R = T - 1;                     // root
inline constexpr unsigned MAX_FREQ = 0x8000;        // root count that triggers a rebuild

// Upper bound of the decompressed length that bitCount bits can carry: a
// symbol costs at least one bit and a match (at most F bytes) at least ten.
constexpr int64_t MaxTextSize(int64_t bitCount) { return bitCount * (F / 10); }
}  // namespace lzh

// Decodes all of source (from its first byte, whatever its position) into dest,
// written from dest's start without truncating it. Raises ElzhException for a
// source shorter than the length field or a length the stream cannot hold.
void DecompressStream(TStream& source, TStream& dest);
std::vector<uint8_t> DecompressBytes(const uint8_t* data, size_t size);

// How the encoder chooses between literals and matches: Greedy takes the
// longest match at every position (nearest among equals); Lazy also looks one
// byte ahead, which gives smaller archives for a little more time.
enum class TLzhParsing { Greedy, Lazy };

// Encodes all of source (from its first byte) and writes the compressed stream
// at dest's position.
void CompressStream(TStream& source, TStream& dest);
std::vector<uint8_t> CompressBytes(const uint8_t* data, size_t size, TLzhParsing parsing = TLzhParsing::Lazy);

}  // namespace pelorin
