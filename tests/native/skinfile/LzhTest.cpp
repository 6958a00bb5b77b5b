// LZH codec: round trips, hand-made streams, the tree rebuild, and the
// decoder's handling of short, hostile and failing streams.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "skinfile/Lzh.h"
#include "tests/support/LzhReference.h"

using namespace pelorin;
using pelorin::testing::DecodeSerial;
using Bytes = std::vector<uint8_t>;

namespace {

Bytes RandomBytes(size_t n, uint32_t seed, int alphabet = 256) {
  std::mt19937 rng(seed);
  Bytes b(n);
  for (auto& x : b) x = static_cast<uint8_t>(rng() % alphabet);
  return b;
}

void ExpectRoundTrip(const Bytes& data, const std::string& what) {
  for (TLzhParsing parsing : {TLzhParsing::Greedy, TLzhParsing::Lazy}) {
    const Bytes packed = CompressBytes(data.data(), data.size(), parsing);
    ASSERT_GE(packed.size(), 4u) << what;
    EXPECT_EQ(uint32_t(packed[0] | packed[1] << 8 | packed[2] << 16 | uint32_t(packed[3]) << 24), data.size()) << what;
    EXPECT_EQ(DecompressBytes(packed.data(), packed.size()), data) << what;
    EXPECT_EQ(DecodeSerial(packed), data) << what;
  }
}

// A stream that accepts only a limited number of bytes.
class TLimitedStream : public TMemoryStream {
public:
  explicit TLimitedStream(int64_t limit) : limit_(limit) {}
  int64_t Write(const void* buffer, int64_t count) override {
    const int64_t n = std::min(count, limit_ - GetSize());
    return n > 0 ? TMemoryStream::Write(buffer, n) : 0;
  }

private:
  int64_t limit_;
};

}  // namespace

TEST(Lzh, RoundTripsOverCorpus) {
  ExpectRoundTrip({}, "empty");
  ExpectRoundTrip({'x'}, "one byte");
  ExpectRoundTrip(Bytes(5000, ' '), "spaces matching the pre-filled window");
  ExpectRoundTrip(Bytes(100000, 0), "zeros");
  ExpectRoundTrip(RandomBytes(200000, 1), "random, tree rebuilt several times");
  ExpectRoundTrip(RandomBytes(300000, 2, 4), "small alphabet, long matches");

  // Copies of every length 3..60 from every distance 1..4096.
  Bytes d = RandomBytes(4096, 3);
  std::mt19937 rng(4);
  for (size_t dist = 1; dist <= 4096; ++dist) {
    const size_t len = 3 + dist % 58;
    for (size_t k = 0; k < len; ++k) d.push_back(d[d.size() - dist]);
    d.push_back(static_cast<uint8_t>(rng()));
  }
  ExpectRoundTrip(d, "every length and distance");

  std::string text;
  const char* words[] = {"the ", "skin ", "window ", "frame ", "of ", "button ", "a ", "bitmap\r\n"};
  for (int i = 0; i < 60000; ++i) text += words[(i * 7 + i / 13) % 8];
  ExpectRoundTrip(Bytes(text.begin(), text.end()), "text");
}

TEST(Lzh, CompressesRepetitionsToFewBits) {
  // One literal and one 60-byte match at distance 1: a handful of bytes.
  const Bytes run(61, 'a');
  EXPECT_LE(CompressBytes(run.data(), run.size()).size(), 4u + 4u);
  // The pre-filled spaces serve as history from the first byte on.
  const Bytes spaces(60, ' ');
  EXPECT_LE(CompressBytes(spaces.data(), spaces.size()).size(), 4u + 3u);
}

TEST(Lzh, DecodesHandMadeStreams) {
  // First symbol a 60-byte match at distance 0: copies the pre-filled spaces.
  const Bytes first = {60, 0, 0, 0, 0xC5, 0x00, 0x00};
  EXPECT_EQ(DecompressBytes(first.data(), first.size()), Bytes(60, ' '));
  EXPECT_EQ(DecodeSerial(first), Bytes(60, ' '));
  // Literal 'a', then a 60-byte match at distance 0 repeating it.
  const Bytes repeat = {61, 0, 0, 0, 0xF6, 0xFB, 0x40, 0x00};
  EXPECT_EQ(DecompressBytes(repeat.data(), repeat.size()), Bytes(61, 'a'));
  // The end test comes before each symbol: a match crossing the length is
  // written in full.
  Bytes shortLength = repeat;
  shortLength[0] = 30;
  EXPECT_EQ(DecompressBytes(shortLength.data(), shortLength.size()), Bytes(61, 'a'));
  EXPECT_EQ(DecodeSerial(shortLength), Bytes(61, 'a'));
}

TEST(Lzh, BlockAndSerialDecodersAgreeOnArbitraryStreams) {
  // Garbage bit streams long enough for several tree rebuilds; the input
  // runs out early, so the tail decodes from zero bits.
  for (uint32_t seed = 10; seed < 14; ++seed) {
    Bytes s = RandomBytes(65536 + seed * 333, seed);
    const int32_t length = 1500000;
    for (int i = 0; i < 4; ++i) s[i] = static_cast<uint8_t>(length >> (8 * i));
    const Bytes fast = DecompressBytes(s.data(), s.size());
    EXPECT_GE(fast.size(), size_t(length));
    EXPECT_LT(fast.size(), size_t(length) + 60);
    EXPECT_EQ(fast, DecodeSerial(s)) << "seed " << seed;
  }
}

TEST(Lzh, StreamBoundaries) {
  TMemoryStream src, dst;
  // Fewer than four bytes cannot hold the length.
  src.Assign("\x05\x00", 2);
  EXPECT_THROW(DecompressStream(src, dst), ElzhException);

  // A negative or zero length decodes nothing and leaves dest alone.
  const Bytes negative = {0xFF, 0xFF, 0xFF, 0xFF, 0x12, 0x34};
  src.Assign(negative.data(), negative.size());
  dst.Assign("keep", 4);
  DecompressStream(src, dst);
  EXPECT_EQ(dst.GetSize(), 4);

  // A length that the stream cannot carry is refused.
  const Bytes hostile = {0xFF, 0xFF, 0xFF, 0x7F, 0x00, 0x00};
  src.Assign(hostile.data(), hostile.size());
  EXPECT_THROW(DecompressStream(src, dst), ElzhException);
  const Bytes noBits = {1, 0, 0, 0};
  EXPECT_THROW(DecompressBytes(noBits.data(), noBits.size()), ElzhException);

  // Decoding starts at the first byte whatever the source position, and
  // overwrites dest from its start without truncating it.
  const Bytes data = RandomBytes(3000, 20, 16);
  const Bytes packed = CompressBytes(data.data(), data.size());
  src.Assign(packed.data(), packed.size());
  src.SetPosition(7);
  dst.Assign(Bytes(5000, 'X').data(), 5000);
  DecompressStream(src, dst);
  ASSERT_EQ(dst.GetSize(), 5000);
  EXPECT_EQ(Bytes(dst.Memory(), dst.Memory() + 3000), data);
  EXPECT_EQ(dst.Memory()[3000], 'X');

  // A truncated stream decodes to the full length (a final match may run
  // past it) from zero bits.
  src.Assign(packed.data(), packed.size() / 2);
  dst.Clear();
  DecompressStream(src, dst);
  EXPECT_GE(dst.GetSize(), 3000);
  EXPECT_LT(dst.GetSize(), 3000 + 60);
  EXPECT_EQ(Bytes(dst.Memory(), dst.Memory() + 100), Bytes(data.begin(), data.begin() + 100));

  // A sink that stops accepting bytes ends the decode with a write error.
  src.Assign(packed.data(), packed.size());
  TLimitedStream full(1000);
  EXPECT_THROW(DecompressStream(src, full), EWriteError);
  src.SetPosition(4);
  full.Clear();
  EXPECT_THROW(DecodeSerial(src, full, 3000), EWriteError);
}

TEST(Lzh, CompressStreamReadsWholeSourceAndAppendsAtDestPosition) {
  const Bytes data = RandomBytes(10000, 30, 8);
  TMemoryStream src, dst;
  src.Assign(data.data(), data.size());
  src.SetPosition(500);
  dst.Assign("head", 4);
  dst.Seek(0, TSeekOrigin::soEnd);
  CompressStream(src, dst);
  const Bytes all = dst.Bytes();
  const Bytes packed(all.begin() + 4, all.end());
  EXPECT_EQ(packed, CompressBytes(data.data(), data.size()));
}
