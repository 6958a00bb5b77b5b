// LZH codec of skin archives: a 4-byte length followed by an LZSS stream over a
// 4096-byte window whose literals and match lengths use an adaptive Huffman tree.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
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

// Callbacks of the byte-serial decoder: transfer count bytes, report how many moved.
using TLzhGetBytes = std::function<void(uint8_t* buffer, uint16_t count, uint16_t& actual)>;
using TLzhPutBytes = std::function<void(const uint8_t* buffer, uint16_t count, uint16_t& actual)>;

// The byte-serial decoder: reads one byte and writes one byte per callback, with
// a 16-bit bit buffer. DecompressStream uses a block decoder that produces the
// same bytes; this one stays as the callback-driven form of the codec.
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
